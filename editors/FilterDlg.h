#pragma once

#include <string>

#include "gui/Dialog.h"

class QLineEdit;

// Asks for the text of a text filter. The text stays empty unless OK closed the dialog, and
// an empty text removes the filter.
class CFilterDlg final : public CDialog {
public:
    static constexpr int kEditId = 1183;

    explicit CFilterDlg(QWidget* pParent);

    const std::string& GetFilterText() const { return m_strFilter; }

protected:
    void OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    QLineEdit* m_pEdit = nullptr;
    std::string m_strFilter;
};
