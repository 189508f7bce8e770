#pragma once

#include <cstdint>

#include "RecordLayout.h"

class CSetCheckDlg;
class CTableViewDlg;
class CVentryDoc;
class CWhereUsedDlg;
class QWidget;

// The windows of the Extras menu: each made on its first use as a modeless child of the
// frame, afterwards only shown again and brought to the front.
class CExtrasWindows {
public:
    CExtrasWindows(QWidget& frame, CVentryDoc& doc) : m_frame(frame), m_doc(doc) {}

    // Checks the set anew.
    void ShowSetCheck();
    void ShowTableView();
    void ShowWhereUsed(Database database, std::uint16_t nKey);

private:
    QWidget& m_frame;
    CVentryDoc& m_doc;
    CSetCheckDlg* m_pSetCheck = nullptr;
    CTableViewDlg* m_pTableView = nullptr;
    CWhereUsedDlg* m_pWhereUsed = nullptr;
};
