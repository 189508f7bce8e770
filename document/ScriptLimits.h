#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

// What a script may spend before it is stopped.
struct CScriptLimits {
    // An endless loop stops within seconds, even one that writes a field each time round, while
    // a pass over every record of a maximal set takes about a million.
    static constexpr std::uint64_t kDefaultInstructions = 100'000'000;
    static constexpr std::size_t kDefaultMemoryBytes = std::size_t{512} << 20;

    std::uint64_t nMaxInstructions = kDefaultInstructions;
    std::size_t nMaxMemoryBytes = kDefaultMemoryBytes;
};

// Takes what a script prints, one line at a time with its line end.
using CScriptPrint = std::function<void(std::string_view text)>;
