#pragma once

// An editor dialog as the document sees it: something it owns and destroys with its
// contents. The editors themselves live in the GUI layers; the document holds one per
// database, indexed by its Database.
class CEditorWindow {
public:
    virtual ~CEditorWindow() = default;
};
