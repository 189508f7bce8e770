#pragma once

#include "EditorDlg.h"

class CSensorClassPanel;

// The sensor editor. Its list shows "%03d: %s (%s)" with the display name and is filtered by
// sensor class through its own panel, never listing class 0; it has no type or text filter.
// New gives the copy a display name of its own as well.
class CSensorDlg final : public CEditorDlg {
public:
    CSensorDlg(QWidget* pParent, CVentryDoc& doc);

protected:
    QWidget* CreateFilterPanel() override;
    void FillStartList() override;
    std::size_t FormatLine(int nIndex, const std::uint8_t* pRecord, char* pBuffer) const override;
    void PrepareNewRecord(std::uint8_t* pRecord, std::uint16_t nKey) const override;
    void ListEverything() override;
    std::string NeverListedReason(std::uint16_t nKey, const std::uint8_t* pRecord) const override;

private:
    bool FillListWithClasses();
    // Falls back to every class once when the ticked ones list nothing.
    void ApplyClassFilter();
    void OnApplyFilter();

    CSensorClassPanel* m_pClasses = nullptr;
};
