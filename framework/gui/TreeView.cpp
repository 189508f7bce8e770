#include "TreeView.h"

CTreeView::CTreeView() {
    // A tree control has no column header.
    setHeaderHidden(true);
}
