#include "ScriptDatabaseProxy.h"

#include <new>

#include "RecordLayouts.h"
#include "ScriptFieldValue.h"
#include "ScriptRecordProxy.h"
#include "ScriptStaging.h"
#include "ScriptState.h"

namespace {

constexpr const char* kDatabaseType = "ventry.database";
constexpr lua_Integer kMaxKey = 0xFFFF;

const char* PushName(lua_State* L, Database database) {
    return ScriptFieldValue::PushName(L, LayoutOf(database).name);
}

}  // namespace

int CScriptDatabaseProxy::Install(lua_State* L) {
    auto* pStaging = static_cast<CScriptStaging*>(lua_touserdata(L, 1));
    CScriptRecordProxy::Register(L);
    const luaL_Reg methods[] = {{"records", Records}, {"new", New}, {nullptr, nullptr}};
    luaL_newlib(L, methods);
    const luaL_Reg database[] = {{"__index", Index},
                                 {"__len", Length},
                                 {"__newindex", NewIndex},
                                 {"__tostring", ToString},
                                 {nullptr, nullptr}};
    luaL_newmetatable(L, kDatabaseType);
    lua_insert(L, -2);
    luaL_setfuncs(L, database, 1);
    lua_pushboolean(L, 0);
    lua_setfield(L, -2, "__metatable");
    lua_pop(L, 1);
    lua_createtable(L, 0, kDatabaseCount);
    for (const RecordLayout* layout : kRecordLayouts) {
        PushName(L, layout->database);
        new (lua_newuserdatauv(L, sizeof(CRef), 0)) CRef{pStaging, layout->database};
        luaL_setmetatable(L, kDatabaseType);
        lua_rawset(L, -3);
    }
    lua_setglobal(L, "set");
    return 0;
}

const CScriptDatabaseProxy::CRef& CScriptDatabaseProxy::Check(lua_State* L) {
    return *static_cast<const CRef*>(luaL_checkudata(L, 1, kDatabaseType));
}

// Integers are keys, names the methods.
int CScriptDatabaseProxy::Index(lua_State* L) {
    const CRef& ref = Check(L);
    if (lua_type(L, 2) != LUA_TNUMBER) {
        lua_pushvalue(L, 2);
        lua_rawget(L, lua_upvalueindex(1));
        return 1;
    }
    int bInteger = 0;
    const lua_Integer nKey = lua_tointegerx(L, 2, &bInteger);
    if (bInteger && nKey >= 0 && nKey <= kMaxKey &&
        ref.pStaging->Find(ref.database, static_cast<std::uint16_t>(nKey)) != nullptr) {
        CScriptRecordProxy::Push(L, *ref.pStaging, ref.database, static_cast<std::uint16_t>(nKey));
    } else {
        lua_pushnil(L);
    }
    return 1;
}

int CScriptDatabaseProxy::Length(lua_State* L) {
    const CRef& ref = Check(L);
    lua_pushinteger(L, static_cast<lua_Integer>(ref.pStaging->Count(ref.database)));
    return 1;
}

int CScriptDatabaseProxy::NewIndex(lua_State* L) {
    return luaL_error(L, "%s: records are added with new and changed field by field",
                      PushName(L, Check(L).database));
}

int CScriptDatabaseProxy::ToString(lua_State* L) {
    PushName(L, Check(L).database);
    return 1;
}

int CScriptDatabaseProxy::Records(lua_State* L) {
    const CRef& ref = Check(L);
    const std::size_t nCount = ref.pStaging->Count(ref.database);
    // Walks are the work a loop hides: the keys are gathered now.
    CScriptState::Charge(L, nCount);
    void* pBlock = lua_newuserdatauv(L, sizeof(CWalk) + nCount * sizeof(std::uint16_t), 0);
    auto* pWalk = new (pBlock) CWalk{ref.pStaging, ref.database, nCount, 0};
    auto* pKeys = reinterpret_cast<std::uint16_t*>(pWalk + 1);
    if (!CScriptState::Guarded([&] { ref.pStaging->CopyKeys(ref.database, pKeys); })) {
        return CScriptState::StopForMemory(L);
    }
    lua_pushcclosure(L, NextRecord, 1);
    return 1;
}

int CScriptDatabaseProxy::NextRecord(lua_State* L) {
    auto* pWalk = static_cast<CWalk*>(lua_touserdata(L, lua_upvalueindex(1)));
    if (pWalk->nAt == pWalk->nCount) {
        return 0;
    }
    const std::uint16_t nKey = reinterpret_cast<const std::uint16_t*>(pWalk + 1)[pWalk->nAt++];
    lua_pushinteger(L, nKey);
    CScriptRecordProxy::Push(L, *pWalk->pStaging, pWalk->database, nKey);
    return 2;
}

// As the editors' New: a copy of from, or zeros, under a free index, which an indexed record
// also stores. 3D objects are numbered by their place in the file, so they join at the end.
int CScriptDatabaseProxy::New(lua_State* L) {
    const CRef& ref = Check(L);
    CScriptStaging& staging = *ref.pStaging;
    const lua_Integer nIndex = luaL_checkinteger(L, 2);
    const CScriptRecordProxy::CRef* pFrom = nullptr;
    if (!lua_isnoneornil(L, 3)) {
        pFrom = CScriptRecordProxy::Test(L, 3);
        if (pFrom == nullptr || pFrom->database != ref.database) {
            const char* pszName = PushName(L, ref.database);
            return luaL_error(L, "%s: new: copies only a record of %s", pszName, pszName);
        }
    }
    if (nIndex < 0 || nIndex > kMaxKey) {
        return luaL_error(L, "%s: new: %I is no index (0 to 65535)", PushName(L, ref.database),
                          nIndex);
    }
    const auto nKey = static_cast<std::uint16_t>(nIndex);
    std::uint32_t nNext = 0;
    bool bTaken = false;
    const bool bIndexed = CScriptStaging::IndexField(ref.database) != nullptr;
    if (!CScriptState::Guarded([&] {
            if (bIndexed) {
                bTaken = staging.IsTaken(ref.database, nKey);
            } else {
                nNext = staging.NextKey(ref.database);
            }
        })) {
        return CScriptState::StopForMemory(L);
    }
    if (bTaken) {
        return luaL_error(L, "%s: new: index %I is taken", PushName(L, ref.database), nIndex);
    }
    if (!bIndexed && nKey != nNext) {
        return luaL_error(L, "%s: new: records join at the end, as %I", PushName(L, ref.database),
                          static_cast<lua_Integer>(nNext));
    }
    const std::uint8_t* pModel = pFrom ? staging.Find(pFrom->database, pFrom->nKey) : nullptr;
    if (!CScriptState::Guarded([&] { staging.Add(ref.database, nKey, pModel); })) {
        return CScriptState::StopForMemory(L);
    }
    CScriptRecordProxy::Push(L, staging, ref.database, nKey);
    return 1;
}
