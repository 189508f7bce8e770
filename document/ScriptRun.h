#pragma once

// Runs a script over a set. The script reads the document and keeps what it writes in its own
// copies; its result is one change of the set, which the caller applies through
// CVentryDoc::ApplyChange when it wants it, or the error that stopped it, which leaves no trace.

#include <string>
#include <string_view>

#include "ScriptLimits.h"
#include "SetChange.h"

class CVentryDoc;

struct CScriptResult {
    bool bSucceeded = false;
    CSetChange change;     // empty when the script failed
    std::string strError;  // "armour.lua:3: object 12: mass: 70000 does not fit ..."
};

// Runs text, the script called name, over doc; what it prints goes to print.
CScriptResult RunScript(const CVentryDoc& doc, std::string_view text, const std::string& name,
                        const CScriptLimits& limits, const CScriptPrint& print);
