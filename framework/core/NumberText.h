#pragma once

// Numbers as people type and read them: decimal, blanks around them ignored, an optional sign;
// floats as the shortest text that reads back to the same value. The editors and the tools
// share these rules, and the words for a number that does not fit.

#include <string>
#include <string_view>

namespace NumberText {

// text without the blanks around it.
std::string_view Trimmed(std::string_view text);

std::string FromFloat(float value);
bool ToFloat(std::string_view text, float& value);
// Any finite number, with a fraction or an exponent or neither.
bool ToNumber(std::string_view text, double& value);
// False when text is no whole number from nMin to nMax.
bool ToInteger(std::string_view text, long long nMin, long long nMax, long long& value);

// What a field that did not take the text needs: "needs an integer between 0 and 255."
std::string IntegerProblem(long long nMin, long long nMax);
inline constexpr const char* kFloatProblem = "needs a number.";

}  // namespace NumberText
