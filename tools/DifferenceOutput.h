#pragma once

#include <string>

struct CSetDifference;

// Prints one difference as `diff` does: a line of text, or with bJson one JSON object with
// file, database, index, change and, for a changed field, field, old and new. file is the
// database's file name.
void PrintDifference(const std::string& file, const CSetDifference& difference, bool bJson);
