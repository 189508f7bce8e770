#pragma once

#include "gui/FormView.h"

// The right pane: the empty form IDD_VENTRY_FORM. The frame shrinks to fit it after a load.
class CVentryView : public CFormView {
    DECLARE_DYNCREATE(CVentryView)

public:
    CVentryView();

    void OnInitialUpdate() override;
};
