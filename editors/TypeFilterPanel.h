#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;
class QPushButton;

// The "Filter" group: one check box per Sim Type 0 to 12, the Search button (when the editor
// has one) and the Filter button.
class CTypeFilterPanel final : public QGroupBox {
public:
    static constexpr int kTypeCount = 13;

    CTypeFilterPanel(const char* pszSearchCaption, QWidget* pParent);

    bool IsOn(int nType) const;
    bool AllOn() const;
    void SetAll(bool bOn);

    QPushButton* SearchButton() const { return m_pSearch; }
    QPushButton* FilterButton() const { return m_pFilter; }

private:
    std::array<QCheckBox*, kTypeCount> m_boxes{};
    QPushButton* m_pSearch = nullptr;
    QPushButton* m_pFilter = nullptr;
};
