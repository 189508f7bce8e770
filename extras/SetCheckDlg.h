#pragma once

#include <vector>

#include "ChangeFollower.h"
#include "SetCheck.h"
#include "gui/Dialog.h"

class CVentryDoc;
class QListWidget;

// The findings of the set as it is in memory, one line each, checked anew after every change
// and by "Check Again"; a double-click on a finding of a record shows the record in its
// editor.
class CSetCheckDlg final : public CDialog {
public:
    CSetCheckDlg(CVentryDoc& doc, QWidget* pParent);

    void Check();

protected:
    void OnInitDialog() override;

private:
    void OnDoubleClick(int nRow) const;
    void FitToLines();

    CVentryDoc& m_doc;
    CChangeFollower m_follower;
    std::vector<CFinding> m_findings;
    QListWidget* m_pList = nullptr;
};
