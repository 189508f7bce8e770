#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace NumberText {

namespace {

// from_chars takes a minus but no plus.
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string FromFloat(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool ToFloat(std::string_view text, float& value) {
    text = WithoutPlus(Trimmed(text));
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ToNumber(std::string_view text, double& value) {
    text = WithoutPlus(Trimmed(text));
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           std::isfinite(value);
}

bool ToInteger(std::string_view text, long long nMin, long long nMax, long long& value) {
    text = WithoutPlus(Trimmed(text));
    long long parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || parsed < nMin ||
        parsed > nMax) {
        return false;
    }
    value = parsed;
    return true;
}

std::string IntegerProblem(long long nMin, long long nMax) {
    return "needs an integer between " + std::to_string(nMin) + " and " + std::to_string(nMax) +
           ".";
}

}  // namespace NumberText
