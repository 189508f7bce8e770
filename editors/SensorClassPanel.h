#pragma once

#include <QGroupBox>
#include <array>

class QCheckBox;
class QPushButton;

// The group "Filter Sensor List": one check box per sensor class 1 to 11 and the button
// "Apply Filter". All boxes start ticked.
class CSensorClassPanel final : public QGroupBox {
public:
    static constexpr int kClassCount = 11;

    explicit CSensorClassPanel(QWidget* pParent);

    // nClass from 1 to 11.
    bool IsOn(int nClass) const;
    bool AllOn() const;
    void SetAll(bool bOn);

    QPushButton* FilterButton() const { return m_pFilter; }

private:
    std::array<QCheckBox*, kClassCount> m_boxes{};
    QPushButton* m_pFilter = nullptr;
};
