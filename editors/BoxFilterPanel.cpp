#include "BoxFilterPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Resource.h"
#include "gui/PushButton.h"

namespace {

// In Sim Type order, 0 to 12.
constexpr FilterBox kSimTypeBoxes[] = {
    {1214, "Sub"},     {1215, "Ship"}, {1220, "Torp"},   {1224, "CM"},    {1218, "Float"},
    {1219, "Rock"},    {1223, "Mine"}, {1222, "Depth"},  {1225, "Plane"}, {1217, "Helo"},
    {1221, "Missile"}, {1216, "Bio"},  {1226, "Bullet"},
};

// In class order, 1 to 11.
constexpr FilterBox kSensorClassBoxes[] = {
    {1215, "Active"},   {1228, "Active Intercept"},
    {1250, "ESM"},      {1253, "Visual"},
    {1254, "MAD"},      {1248, "IR"},
    {1249, "Passive"},  {1252, "Radar"},
    {1255, "FC Radar"}, {1251, "CM"},
    {1246, "Jammer"},
};

}  // namespace

const BoxFilter kSimTypeFilter{"Filter", kSimTypeBoxes, 0, 4, IDC_FILTER, "Filter", false};
const BoxFilter kSensorClassFilter{"Filter Sensor List", kSensorClassBoxes, 1,   3,
                                   IDC_APPLY_FILTER,     "Apply Filter",    true};

CBoxFilterPanel::CBoxFilterPanel(const BoxFilter& filter, int nSearchId,
                                 const char* pszSearchCaption, QWidget* pParent)
    : QGroupBox(QString::fromLatin1(filter.pszCaption), pParent), m_filter(filter) {
    auto* pGrid = new QGridLayout(this);
    const int nBoxes = static_cast<int>(filter.boxes.size());
    for (int i = 0; i < nBoxes; ++i) {
        const FilterBox& box = filter.boxes[static_cast<std::size_t>(i)];
        auto* pBox = new QCheckBox(QString::fromLatin1(box.pszCaption), this);
        pBox->setObjectName(QString::number(box.nId));
        pBox->setChecked(true);
        pGrid->addWidget(pBox, i / filter.nColumns, i % filter.nColumns);
        m_boxes.push_back(pBox);
    }
    m_pFilter =
        CreatePushButton(this, filter.nButtonId, QString::fromLatin1(filter.pszButtonCaption));
    if (filter.bButtonInGrid) {
        pGrid->addWidget(m_pFilter, nBoxes / filter.nColumns, nBoxes % filter.nColumns);
        return;
    }
    auto* pButtons = new QVBoxLayout;
    if (pszSearchCaption != nullptr) {
        m_pSearch = CreatePushButton(this, nSearchId, QString::fromLatin1(pszSearchCaption));
        pButtons->addWidget(m_pSearch);
    }
    pButtons->addWidget(m_pFilter);
    pButtons->addStretch(1);
    pGrid->addLayout(pButtons, 0, filter.nColumns, (nBoxes + filter.nColumns - 1) / filter.nColumns,
                     1);
}

bool CBoxFilterPanel::HasBox(int nValue) const {
    return nValue >= m_filter.nFirstValue &&
           nValue - m_filter.nFirstValue < static_cast<int>(m_boxes.size());
}

bool CBoxFilterPanel::IsOn(int nValue) const {
    return m_boxes[static_cast<std::size_t>(nValue - m_filter.nFirstValue)]->isChecked();
}

bool CBoxFilterPanel::AllOn() const {
    return std::all_of(m_boxes.begin(), m_boxes.end(),
                       [](const QCheckBox* pBox) { return pBox->isChecked(); });
}

void CBoxFilterPanel::SetAll(bool bOn) {
    for (QCheckBox* pBox : m_boxes) {
        pBox->setChecked(bOn);
    }
}
