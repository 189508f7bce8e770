#pragma once

#include <string>

// Texts that every editor shows.
namespace EditorTexts {

inline constexpr const char* kNoResults =
    "The Active Filter produced no Results !\nUsing Default Filter instead";
inline constexpr const char* kNoFreeIndex =
    "No new record was made: every index after the last listed one up to 65535 is taken.";

inline std::string RetainQuestion(const std::string& name) {
    return "Do you wish to retain changes made to " + name + " ?";
}

}  // namespace EditorTexts
