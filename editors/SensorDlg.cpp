#include "SensorDlg.h"

#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "EditorTexts.h"
#include "IndexMapTable.h"
#include "RecordLine.h"
#include "SensorClassPanel.h"
#include "SensorFields.h"
#include "gui/MessageBox.h"

namespace {

const EditorDescription kSensorEditor = {
    .nTemplateId = 139,
    .pszCaption = "Sensor Dialog",
    .nListId = 1118,
    .nSpinId = 1211,
    .nNewId = 1208,
    .pszNewCaption = "New Sensor",
    .pszDefaultName = "My new Sensor",
    .pszSearchCaption = nullptr,
    .bTypeFilter = false,
    .bListsOtherTypes = false,
    .bCloseBox = true,
    .fields = SensorFields::kFields,
    .groups = SensorFields::kGroups,
};

constexpr const char* kDefaultDisplayName = "HandMade Sensor";

std::string_view TextIn(const std::uint8_t* pRecord, std::size_t nOffset, std::size_t nWidth) {
    const auto* pText = reinterpret_cast<const char*>(pRecord + nOffset);
    return {pText, strnlen(pText, nWidth)};
}

}  // namespace

CSensorDlg::CSensorDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kSensorEditor,
                 std::make_unique<CIndexMapTable<CSensorInfo>>(doc.m_mapSensors)) {}

QWidget* CSensorDlg::CreateFilterPanel() {
    m_pClasses = new CSensorClassPanel(this);
    connect(m_pClasses->FilterButton(), &QPushButton::clicked, this, [this] { OnApplyFilter(); });
    return m_pClasses;
}

void CSensorDlg::FillStartList() {
    ApplyClassFilter();
}

std::size_t CSensorDlg::FormatLine(int nIndex, const std::uint8_t* pRecord, char* pBuffer) const {
    std::size_t nLength = CEditorDlg::FormatLine(nIndex, pRecord, pBuffer);
    const std::string_view display =
        TextIn(pRecord, SensorFields::kDisplayName.nOffset, SensorFields::kDisplayName.nWidth);
    for (const std::string_view part : {std::string_view(" ("), display, std::string_view(")")}) {
        const std::size_t nPart = std::min(part.size(), RecordLine::kMaxLength - nLength);
        std::copy_n(part.data(), nPart, pBuffer + nLength);
        nLength += nPart;
    }
    return nLength;
}

void CSensorDlg::PrepareNewRecord(std::uint8_t* pRecord, std::uint16_t nKey) const {
    CEditorDlg::PrepareNewRecord(pRecord, nKey);
    RecordField::SetText(pRecord, SensorFields::kDisplayName.nOffset,
                         SensorFields::kDisplayName.nWidth, kDefaultDisplayName);
}

bool CSensorDlg::FillListWithClasses() {
    return FillList([this](std::uint16_t, const std::uint8_t* pRecord, std::string_view) {
        const auto nClass = RecordField::Get<std::int32_t>(pRecord, SensorFields::kClass.nOffset);
        return nClass >= 1 && nClass <= CSensorClassPanel::kClassCount && m_pClasses->IsOn(nClass);
    });
}

void CSensorDlg::ApplyClassFilter() {
    const bool bDefault = m_pClasses->AllOn();
    if (FillListWithClasses()) {
        return;
    }
    if (!m_pRecords->IsEmpty()) {
        AfxShowMessageBox(EditorTexts::kNoResults);
    }
    m_pClasses->SetAll(true);
    if (!bDefault) {
        FillListWithClasses();
    }
}

void CSensorDlg::ListEverything() {
    m_pClasses->SetAll(true);
    FillListWithClasses();
}

std::string CSensorDlg::NeverListedReason(std::uint16_t nKey, const std::uint8_t* pRecord) const {
    const auto nClass = RecordField::Get<std::int32_t>(pRecord, SensorFields::kClass.nOffset);
    if (nClass >= 1 && nClass <= CSensorClassPanel::kClassCount) {
        return {};
    }
    return "Sensor " + std::to_string(nKey) + " has the sensor class " + std::to_string(nClass) +
           ": the sensor list shows only the classes 1 to 11.";
}

void CSensorDlg::OnApplyFilter() {
    m_nCurrent = 0;
    ApplyClassFilter();
    LoadRecord();
}
