#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "ChangeFollower.h"
#include "RecordLayout.h"
#include "gui/Dialog.h"

class CVentryDoc;
class QLabel;
class QListWidget;

// The records that refer to one record, a line each with the field that makes the link; a
// double-click shows the referring record in its editor. The lines follow the set's changes.
class CWhereUsedDlg final : public CDialog {
public:
    CWhereUsedDlg(CVentryDoc& doc, QWidget* pParent);

    void ShowFor(Database database, std::uint16_t nKey);

protected:
    void OnInitDialog() override;

private:
    void Refill();
    void OnDoubleClick(int nRow) const;

    CVentryDoc& m_doc;
    CChangeFollower m_follower;
    Database m_database = Database::Object;
    std::uint16_t m_nKey = 0;
    std::vector<std::pair<Database, std::uint16_t>> m_referrers;  // by line
    QLabel* m_pTarget = nullptr;
    QListWidget* m_pList = nullptr;
};
