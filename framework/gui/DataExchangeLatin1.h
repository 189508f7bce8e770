#pragma once

#include <QValidator>
#include <string>

// Record texts are single bytes shown as U+0000 to U+00FF, so every stored byte survives a
// trip through a control.
namespace Latin1 {

QString ToQString(const std::string& bytes);
// False when text holds a character that has no single byte.
bool IsStorable(const QString& text);
// The bytes of a storable text.
std::string FromQString(const QString& text);

}  // namespace Latin1

// Refuses typed or pasted characters that a text field cannot store.
class CLatin1Validator final : public QValidator {
public:
    explicit CLatin1Validator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& pos) const override;
};
