#pragma once

#include <memory>
#include <string>

#include "ChangeFollower.h"
#include "gui/Dialog.h"

class CDifferenceListModel;
class CVentryDoc;
class QCheckBox;
class QLabel;
class QListView;
class QModelIndex;
class QPushButton;

// The differences of another set from the open one, a line each as `ventry-db diff` prints
// them with the open set as the old side. "Take Other" copies the selected lines' values into
// the open set as one step; a double-click shows the record in its editor. The other set is
// loaded once when chosen; the lines follow the open set's changes.
class CCompareDlg final : public CDialog {
public:
    CCompareDlg(CVentryDoc& doc, QWidget* pParent);
    ~CCompareDlg() override;

    // Asks for another set's object file and compares with its set from now on; false when
    // none was chosen or its set could not be loaded, and the set compared with stays.
    bool ChooseOtherSet();

protected:
    void OnInitDialog() override;

private:
    void Refill();
    void OnTakeOther();
    void OnDoubleClick(const QModelIndex& index) const;
    void UpdateTakeButton();

    CVentryDoc& m_doc;
    std::unique_ptr<CVentryDoc> m_pOther;
    CChangeFollower m_follower;
    QLabel* m_pCaption = nullptr;
    QListView* m_pList = nullptr;
    CDifferenceListModel* m_pModel = nullptr;
    QCheckBox* m_pChangedOnly = nullptr;
    QPushButton* m_pTakeOther = nullptr;
};
