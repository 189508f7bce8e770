#pragma once

#include <array>
#include <cstdint>

#include "EditorDlg.h"

class CSlotList;

// The object editor. Its record list tests each object's own Sim Type; besides the fields it
// edits the sensor, launcher and airstrip slots through pickers and opens the object's sonar
// profile.
class CObjectDlg final : public CEditorDlg {
public:
    CObjectDlg(QWidget* pParent, CVentryDoc& doc);

protected:
    QWidget* CreateRecordExtras() override;
    void LoadControls(const std::uint8_t* pRecord) override;
    bool BuildImage(std::uint8_t* pImage, bool bReport) override;

private:
    void OnSonarProfile();

    std::array<CSlotList*, 3> m_slotLists{};  // sensor, launcher, airstrip
    QWidget* m_pSonarProfile = nullptr;
    std::int16_t m_nProfileIndex = 0;  // working copy; no control shows it
};
