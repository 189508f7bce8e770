#pragma once

#include "core/Object.h"

// A pane of a frame. The frame creates its views by run-time class and tells them when a
// document has been loaded into it.
class CView : public CObject {
public:
    // After every load of the frame's document, once the frame is laid out.
    virtual void OnInitialUpdate() {}

protected:
    CView() = default;
};
