#include "TypeFilterPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct TypeBox {
    int nId;
    const char* pszCaption;
};

// In Sim Type order, 0 to 12.
constexpr TypeBox kTypeBoxes[CTypeFilterPanel::kTypeCount] = {
    {1214, "Sub"},     {1215, "Ship"}, {1220, "Torp"},   {1224, "CM"},    {1218, "Float"},
    {1219, "Rock"},    {1223, "Mine"}, {1222, "Depth"},  {1225, "Plane"}, {1217, "Helo"},
    {1221, "Missile"}, {1216, "Bio"},  {1226, "Bullet"},
};

constexpr int kColumns = 4;
constexpr int kSearchId = 1228;
constexpr int kFilterId = 1227;

}  // namespace

CTypeFilterPanel::CTypeFilterPanel(const char* pszSearchCaption, QWidget* pParent)
    : QGroupBox(QStringLiteral("Filter"), pParent) {
    auto* pGrid = new QGridLayout(this);
    for (int i = 0; i < kTypeCount; ++i) {
        auto* pBox = new QCheckBox(QString::fromLatin1(kTypeBoxes[i].pszCaption), this);
        pBox->setObjectName(QString::number(kTypeBoxes[i].nId));
        pBox->setChecked(true);
        pGrid->addWidget(pBox, i / kColumns, i % kColumns);
        m_boxes[static_cast<std::size_t>(i)] = pBox;
    }
    auto* pButtons = new QVBoxLayout;
    if (pszSearchCaption != nullptr) {
        m_pSearch = new QPushButton(QString::fromLatin1(pszSearchCaption), this);
        m_pSearch->setObjectName(QString::number(kSearchId));
        m_pSearch->setAutoDefault(false);
        pButtons->addWidget(m_pSearch);
    }
    m_pFilter = new QPushButton(QStringLiteral("Filter"), this);
    m_pFilter->setObjectName(QString::number(kFilterId));
    m_pFilter->setAutoDefault(false);
    pButtons->addWidget(m_pFilter);
    pButtons->addStretch(1);
    pGrid->addLayout(pButtons, 0, kColumns, (kTypeCount + kColumns - 1) / kColumns, 1);
}

bool CTypeFilterPanel::IsOn(int nType) const {
    return m_boxes[static_cast<std::size_t>(nType)]->isChecked();
}

bool CTypeFilterPanel::AllOn() const {
    return std::all_of(m_boxes.begin(), m_boxes.end(),
                       [](const QCheckBox* pBox) { return pBox->isChecked(); });
}

void CTypeFilterPanel::SetAll(bool bOn) {
    for (QCheckBox* pBox : m_boxes) {
        pBox->setChecked(bOn);
    }
}
