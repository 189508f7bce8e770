#pragma once

#include <cstddef>
#include <functional>

#include "ChangeFollower.h"
#include "gui/Dialog.h"

class CVentryDoc;
class QListWidget;

// The steps applied to the set since it was loaded: row 0 is the set as loaded, then a row per
// step, the current position selected and the undone steps greyed. A double-click on a row
// takes the set there, undoing or redoing the steps between.
class CHistoryDlg final : public CDialog {
public:
    // moveTo takes the set to a position of the history, as the Edit menu's Undo and Redo do.
    CHistoryDlg(CVentryDoc& doc, std::function<void(std::size_t nPosition)> moveTo,
                QWidget* pParent);

    void Refill();

protected:
    void OnInitDialog() override;

private:
    CVentryDoc& m_doc;
    std::function<void(std::size_t)> m_moveTo;
    CChangeFollower m_follower;
    QListWidget* m_pList = nullptr;
};
