#pragma once

#include "EditorDlg.h"

// The launcher editor. The type filter tests the Sim Type of the object named like the
// launcher and always lists a type above 12; a search leaves the type boxes as they are. The
// four ammunition combos offer the weapon entities, filled once when the dialog opens.
class CLauncherDlg final : public CEditorDlg {
public:
    CLauncherDlg(QWidget* pParent, CVentryDoc& doc);

protected:
    void OnInitDialog() override;

private:
    void FillAmmoCombos();
};
