#pragma once

#include <span>

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
