#pragma once

#include <string>

// The program's fixed texts by id; empty for an id the table does not hold.
std::string LoadResourceString(unsigned nID);
