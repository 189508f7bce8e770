#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// title is what a message calls one record of the database: "sonar profile".
inline std::string NoSuchRecord(std::string_view title, std::uint16_t nKey) {
    return "There is no " + std::string(title) + " " + std::to_string(nKey) + ".";
}

}  // namespace EditorTexts
