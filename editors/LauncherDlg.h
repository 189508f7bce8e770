#pragma once

#include <optional>

#include "EditorDlg.h"

// The launcher editor. The type filter tests the Sim Type of the object named like the
// launcher and always lists a type above 12; a search leaves the type boxes as they are. The
// four ammunition combos offer the weapon entities, filled once when the dialog opens; their
// context menus open the entity.
class CLauncherDlg final : public CEditorDlg {
public:
    CLauncherDlg(QWidget* pParent, CVentryDoc& doc);

protected:
    void OnInitDialog() override;

private:
    void FillAmmoCombos();
    // The entity a combo stands for: its item's, or the stored one that no item offers.
    std::optional<std::uint16_t> AmmoEntity(std::size_t nElement) const;
};
