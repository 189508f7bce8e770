#pragma once

#include <cstdint>
#include <memory>

#include "gui/Dialog.h"

class CFieldForm;
class CRecordForm;
class CVentryDoc;

// Edits one sonar profile, modally, for the Object editor: the profile editor's fields with
// Apply, Undo and Exit, and no list.
class CProfileSlotDlg final : public CDialog {
public:
    CProfileSlotDlg(QWidget* pParent, CVentryDoc& doc, std::uint16_t nKey);
    ~CProfileSlotDlg() override;

    // Runs the dialog on the profile under nKey and returns when the user leaves it.
    static void EditProfile(QWidget* pParent, CVentryDoc& doc, std::uint16_t nKey);

protected:
    void OnInitDialog() override;
    // Escape: Exit.
    void OnCancel() override { OnExit(); }

private:
    void OnExit();

    CVentryDoc& m_doc;
    std::uint16_t m_nKey;
    CFieldForm* m_pForm = nullptr;
    std::unique_ptr<CRecordForm> m_pRecordForm;
};
