#pragma once

#include <cstddef>

// An editor dialog as the document sees it: something it owns and destroys with its
// contents. The editors themselves live in the GUI layers.
class CEditorWindow {
public:
    virtual ~CEditorWindow() = default;
};

// The document's editor slots, in the order of its pointers and shown flags.
enum class EditorSlot : std::size_t {
    Object,
    Sensor,
    Launcher,
    Profile,
    Mast,
    Entity,
    Object3D,
    Airstrip,
    ShipClass,
    CountryName,
};
constexpr std::size_t kEditorCount = 10;
