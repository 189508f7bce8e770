#pragma once

#include <string>

#include "gui/DataExchangeLatin1.h"

// Texts that every editor shows.
namespace EditorTexts {

inline constexpr const char* kNoResults =
    "The Active Filter produced no Results !\nUsing Default Filter instead";
inline constexpr const char* kNoFreeIndex =
    "No new record was made: every index after the last listed one up to 65535 is taken.";

// name holds a record's single-byte text.
inline std::string RetainQuestion(const std::string& name) {
    return "Do you wish to retain changes made to " + Latin1::ToQString(name).toStdString() + " ?";
}

}  // namespace EditorTexts
