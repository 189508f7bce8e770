#include "TreeView.h"

#include <QHeaderView>

CTreeView::CTreeView() {
    // A tree control has no columns: no header, and it scrolls sideways only when its items
    // are wider than the pane.
    setHeaderHidden(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}
