#pragma once

#include <QScrollArea>

#include "View.h"

// A view that shows a form of fixed size, given in dialog units, and scrolls when its pane
// is smaller. The form widget's objectName is its template id.
class CFormView : public QScrollArea, public CView {
public:
    CFormView(unsigned nIDTemplate, int cxDialogUnits, int cyDialogUnits);

protected:
    // Shrinks the frame so that this view is no larger than its form; never enlarges it.
    void ResizeParentToFit();
};
