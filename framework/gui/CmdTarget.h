#pragma once

class CCmdUI;

// Something that handles commands by id: the frame first, then the application.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Carries out a command; false when this target has no handler for it.
    virtual bool OnCommand(unsigned /*nID*/) { return false; }
    // Sets the state of a command's menu item or button; false when this target has no
    // update handler for it.
    virtual bool OnUpdateCommand(CCmdUI& /*cmdUI*/) { return false; }
};
