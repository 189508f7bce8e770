#pragma once

#include "gui/Dialog.h"

class CFieldForm;
class CProfileInfo;
class CVentryDoc;

// Edits one sonar profile in place, modally, for the Object editor: the profile editor's
// fields with Apply, Undo and Exit, and no list.
class CProfileSlotDlg final : public CDialog {
public:
    static constexpr int kTemplateId = 157;

    CProfileSlotDlg(QWidget* pParent, CVentryDoc& doc);

    // The record to edit; set before the dialog runs.
    void SetProfile(CProfileInfo& profile) { m_pProfile = &profile; }

    // Runs the dialog on profile and returns when the user leaves it.
    static void EditProfile(QWidget* pParent, CVentryDoc& doc, CProfileInfo& profile);

protected:
    void OnInitDialog() override;
    // Escape: Exit.
    void OnCancel() override { OnExit(); }

private:
    enum class ERecordState { Unchanged, Changed, Unreadable };

    void LoadProfile();
    ERecordState StoreOrCompare(bool bStore);
    void OnApply();
    void OnExit();

    CVentryDoc& m_doc;
    CProfileInfo* m_pProfile = nullptr;
    CFieldForm* m_pForm = nullptr;
};
