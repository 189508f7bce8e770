#include "ScriptRun.h"

#include "ScriptDatabaseProxy.h"
#include "ScriptStaging.h"
#include "ScriptState.h"

CScriptResult RunScript(const CVentryDoc& doc, std::string_view text, const std::string& name,
                        const CScriptLimits& limits, const CScriptPrint& print) {
    CScriptResult result;
    CScriptStaging staging(doc);
    CScriptState state(name, limits, print);
    if (state.Install(CScriptDatabaseProxy::Install, &staging, result.strError) &&
        state.Run(text, result.strError)) {
        result.change = staging.Change("Script " + name);
        result.bSucceeded = true;
    }
    return result;
}
