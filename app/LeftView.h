#pragma once

#include "gui/TreeView.h"

// The left pane: a tree that stays empty whatever is loaded.
class CLeftView : public CTreeView {
    DECLARE_DYNCREATE(CLeftView)
};
