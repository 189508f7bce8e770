#pragma once

#include <span>

// A frame's menu, accelerators and toolbar as data. An id of 0 (ID_SEPARATOR) is a separator.
struct CMenuItemResource {
    unsigned nID;
    const char* pszText;  // UTF-8; what follows a tab is only a label
};

struct CPopupMenuResource {
    const char* pszText;
    std::span<const CMenuItemResource> items;
};

struct CAcceleratorResource {
    const char* pszKey;  // in QKeySequence's portable form, e.g. "Ctrl+O"
    unsigned nID;
};

struct CToolBarResource {
    std::span<const unsigned> buttons;
    const char* pszImage;  // one strip of button images, in the order of the buttons
    int cx;
    int cy;
};
