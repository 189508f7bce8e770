#pragma once

#include <QGroupBox>
#include <span>
#include <vector>

class QCheckBox;
class QPushButton;

// One check box of a box filter, for one value.
struct FilterBox {
    int nId;
    const char* pszCaption;
};

// A group of check boxes that lists the records whose value has a ticked box: the editors'
// Sim Type filter and the sensor class filter, as data.
struct BoxFilter {
    const char* pszCaption;
    std::span<const FilterBox> boxes;  // for nFirstValue, nFirstValue + 1, ...
    int nFirstValue;
    int nColumns;
    int nButtonId;
    const char* pszButtonCaption;
    // The button in the grid after the last box; otherwise in a column of its own at the
    // right, below the editor's Search button.
    bool bButtonInGrid;
};

// The Sim Types 0 to 12, in the group "Filter" with the button "Filter".
extern const BoxFilter kSimTypeFilter;
// The sensor classes 1 to 11, in the group "Filter Sensor List" with "Apply Filter".
extern const BoxFilter kSensorClassFilter;

// The group of a box filter, every box ticked to start with, and a Search button when the
// editor has one.
class CBoxFilterPanel final : public QGroupBox {
public:
    CBoxFilterPanel(const BoxFilter& filter, int nSearchId, const char* pszSearchCaption,
                    QWidget* pParent);

    // Whether value has a box; IsOn only for those.
    bool HasBox(int nValue) const;
    bool IsOn(int nValue) const;
    bool AllOn() const;
    void SetAll(bool bOn);

    QPushButton* SearchButton() const { return m_pSearch; }
    QPushButton* FilterButton() const { return m_pFilter; }

private:
    const BoxFilter& m_filter;
    std::vector<QCheckBox*> m_boxes;
    QPushButton* m_pSearch = nullptr;
    QPushButton* m_pFilter = nullptr;
};
