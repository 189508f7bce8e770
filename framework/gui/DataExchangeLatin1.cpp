#include "DataExchangeLatin1.h"

#include <algorithm>

namespace Latin1 {

QString ToQString(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool IsStorable(const QString& text) {
    // A zero byte would end the text early, so it cannot be stored either.
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() != 0 && c.unicode() <= 0xFF; });
}

std::string FromQString(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace Latin1

QValidator::State CLatin1Validator::validate(QString& input, int&) const {
    return Latin1::IsStorable(input) ? Acceptable : Invalid;
}
