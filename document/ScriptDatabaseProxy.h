#pragma once

// The script's view of the set: the global `set`, one userdata per database under its file's
// base name (set.object, set["3dobject"]). db[index] is the record with that key or nil, #db
// counts, db:records() walks in ascending key order and db:new(index [, from]) adds a record.

#include <lua.hpp>

#include <cstddef>
#include <cstdint>

#include "RecordLayout.h"

class CScriptStaging;

class CScriptDatabaseProxy {
public:
    // For CScriptState::Install, with the CScriptStaging as the context: adds `set`.
    static int Install(lua_State* L);

private:
    struct CRef {
        CScriptStaging* pStaging;
        Database database;
    };
    // A walk over the keys a database had when it began; the keys follow it.
    struct CWalk {
        CScriptStaging* pStaging;
        Database database;
        std::size_t nCount;
        std::size_t nAt;
    };

    static const CRef& Check(lua_State* L);
    static int Index(lua_State* L);
    static int Length(lua_State* L);
    static int NewIndex(lua_State* L);
    static int ToString(lua_State* L);
    static int Records(lua_State* L);
    static int NextRecord(lua_State* L);
    static int New(lua_State* L);
};
