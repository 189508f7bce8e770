#include "CmdUI.h"

#include <QAction>

void CCmdUI::Enable(bool bOn) {
    m_action.setEnabled(bOn);
}

void CCmdUI::SetCheck(bool bChecked) {
    m_action.setCheckable(true);
    m_action.setChecked(bChecked);
}

void CCmdUI::SetText(const QString& text) {
    m_action.setText(text);
}

QString CCmdUI::GetText() const {
    return m_action.text();
}

void CCmdUI::Show(bool bVisible) {
    m_action.setVisible(bVisible);
}
