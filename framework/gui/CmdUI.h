#pragma once

#include <QString>

class QAction;

// One menu item or toolbar button of a command during the update pass.
class CCmdUI {
public:
    CCmdUI(unsigned nID, QAction& action) : m_nID(nID), m_action(action) {}

    void Enable(bool bOn = true);
    // Makes the item checkable: a check mark in a menu, a pressed button in a toolbar.
    void SetCheck(bool bChecked);
    void SetText(const QString& text);
    QString GetText() const;
    void Show(bool bVisible);

    const unsigned m_nID;

private:
    QAction& m_action;
};
