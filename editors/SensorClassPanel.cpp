#include "SensorClassPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <algorithm>

namespace {

struct ClassBox {
    int nId;
    const char* pszCaption;
};

// In class order, 1 to 11.
constexpr ClassBox kClassBoxes[CSensorClassPanel::kClassCount] = {
    {1215, "Active"},   {1228, "Active Intercept"},
    {1250, "ESM"},      {1253, "Visual"},
    {1254, "MAD"},      {1248, "IR"},
    {1249, "Passive"},  {1252, "Radar"},
    {1255, "FC Radar"}, {1251, "CM"},
    {1246, "Jammer"},
};

constexpr int kColumns = 3;
constexpr int kApplyFilterId = 1257;

}  // namespace

CSensorClassPanel::CSensorClassPanel(QWidget* pParent)
    : QGroupBox(QStringLiteral("Filter Sensor List"), pParent) {
    auto* pGrid = new QGridLayout(this);
    for (int i = 0; i < kClassCount; ++i) {
        auto* pBox = new QCheckBox(QString::fromLatin1(kClassBoxes[i].pszCaption), this);
        pBox->setObjectName(QString::number(kClassBoxes[i].nId));
        pBox->setChecked(true);
        pGrid->addWidget(pBox, i / kColumns, i % kColumns);
        m_boxes[static_cast<std::size_t>(i)] = pBox;
    }
    m_pFilter = new QPushButton(QStringLiteral("Apply Filter"), this);
    m_pFilter->setObjectName(QString::number(kApplyFilterId));
    m_pFilter->setAutoDefault(false);
    pGrid->addWidget(m_pFilter, kClassCount / kColumns, kClassCount % kColumns);
}

bool CSensorClassPanel::IsOn(int nClass) const {
    return m_boxes[static_cast<std::size_t>(nClass - 1)]->isChecked();
}

bool CSensorClassPanel::AllOn() const {
    return std::all_of(m_boxes.begin(), m_boxes.end(),
                       [](const QCheckBox* pBox) { return pBox->isChecked(); });
}

void CSensorClassPanel::SetAll(bool bOn) {
    for (QCheckBox* pBox : m_boxes) {
        pBox->setChecked(bOn);
    }
}
