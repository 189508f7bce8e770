#pragma once

#include <string>
#include <vector>

#include "ChangeFollower.h"
#include "SetFind.h"
#include "gui/Dialog.h"

class CVentryDoc;
class QLabel;
class QLineEdit;
class QListWidget;

// Where a text or a number occurs across the ten databases: a line per matching field, as
// Where Used writes its lines; a double-click shows the record in its editor. The lines
// follow the set's changes.
class CFindInSetDlg final : public CDialog {
public:
    // More lines than anyone reads would only slow the list down.
    static constexpr std::size_t kMaxLines = 10000;

    CFindInSetDlg(CVentryDoc& doc, QWidget* pParent);

    // Finds the last query again in the set as it is now.
    void Refill();

protected:
    void OnInitDialog() override;

private:
    void OnFind();
    void OnDoubleClick(int nRow) const;

    CVentryDoc& m_doc;
    CChangeFollower m_follower;
    std::string m_strQuery;  // of the last Find; UTF-8
    std::vector<CFindMatch> m_matches;
    QLineEdit* m_pQuery = nullptr;
    QListWidget* m_pResults = nullptr;
    QLabel* m_pSummary = nullptr;
};
