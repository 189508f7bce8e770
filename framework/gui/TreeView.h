#pragma once

#include <QTreeWidget>

#include "View.h"

// A view that is a tree control filling its pane.
class CTreeView : public QTreeWidget, public CView {
public:
    CTreeView();
};
