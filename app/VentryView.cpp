#include "VentryView.h"

#include "Resource.h"

IMPLEMENT_DYNCREATE(CVentryView)

CVentryView::CVentryView() : CFormView(IDD_VENTRY_FORM, 363, 30) {}

void CVentryView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    ResizeParentToFit();
}
