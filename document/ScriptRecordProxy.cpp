#include "ScriptRecordProxy.h"

#include <new>
#include <optional>

#include "RecordLayouts.h"
#include "ScriptFieldValue.h"
#include "ScriptStaging.h"
#include "ScriptState.h"

namespace {

// The element the key at stack index 2 names, counted from 1 as the CSV columns count; none
// when the key is no such element.
std::optional<std::size_t> ElementAt(lua_State* L, const LayoutField& field) {
    int bInteger = 0;
    const lua_Integer nElement =
        lua_type(L, 2) == LUA_TNUMBER ? lua_tointegerx(L, 2, &bInteger) : 0;
    if (!bInteger || nElement < 1 || nElement > field.nCount) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(nElement - 1);
}

constexpr const char* kRecordType = "ventry.record";
constexpr const char* kArrayType = "ventry.array";

const std::uint8_t* RecordOf(const CScriptRecordProxy::CRef& ref) {
    return ref.pStaging->Find(ref.database, ref.nKey);
}

}  // namespace

void CScriptRecordProxy::Register(lua_State* L) {
    // Field numbers by name, one table per database, for Index and NewIndex.
    lua_createtable(L, kDatabaseCount, 0);
    for (const RecordLayout* layout : kRecordLayouts) {
        lua_createtable(L, 0, static_cast<int>(layout->fields.size()));
        for (std::size_t i = 0; i < layout->fields.size(); ++i) {
            ScriptFieldValue::PushName(L, layout->fields[i].name);
            lua_pushinteger(L, static_cast<lua_Integer>(i));
            lua_rawset(L, -3);
        }
        lua_rawseti(L, -2, static_cast<lua_Integer>(layout->database) + 1);
    }
    const luaL_Reg record[] = {{"__index", Index},
                               {"__newindex", NewIndex},
                               {"__tostring", ToString},
                               {"__eq", Equal},
                               {nullptr, nullptr}};
    luaL_newmetatable(L, kRecordType);
    lua_insert(L, -2);
    luaL_setfuncs(L, record, 1);
    // Scripts can neither read nor replace the metatables.
    lua_pushboolean(L, 0);
    lua_setfield(L, -2, "__metatable");
    const luaL_Reg array[] = {{"__index", ArrayIndex},
                              {"__newindex", ArrayNewIndex},
                              {"__len", ArrayLength},
                              {"__tostring", ArrayToString},
                              {nullptr, nullptr}};
    luaL_newmetatable(L, kArrayType);
    luaL_setfuncs(L, array, 0);
    lua_pushboolean(L, 0);
    lua_setfield(L, -2, "__metatable");
    lua_pop(L, 2);
}

void CScriptRecordProxy::Push(lua_State* L, CScriptStaging& staging, Database database,
                              std::uint16_t nKey) {
    new (lua_newuserdatauv(L, sizeof(CRef), 0)) CRef{&staging, database, nKey};
    luaL_setmetatable(L, kRecordType);
}

const CScriptRecordProxy::CRef* CScriptRecordProxy::Test(lua_State* L, int nIndex) {
    return static_cast<const CRef*>(luaL_testudata(L, nIndex, kRecordType));
}

const LayoutField* CScriptRecordProxy::FieldOf(lua_State* L, const CRef& ref, int nName) {
    lua_rawgeti(L, lua_upvalueindex(1), static_cast<lua_Integer>(ref.database) + 1);
    lua_pushvalue(L, nName);
    lua_rawget(L, -2);
    int bFound = 0;
    const lua_Integer nField = lua_tointegerx(L, -1, &bFound);
    lua_pop(L, 2);
    if (!bFound) {
        luaL_where(L, 1);
        PushName(L, ref);
        lua_pushliteral(L, ": no field ");
        luaL_tolstring(L, nName, nullptr);
        lua_concat(L, 4);
        lua_error(L);
    }
    return &LayoutOf(ref.database).fields[static_cast<std::size_t>(nField)];
}

// "object 12", "3dobject 4": the names the script reaches them by.
void CScriptRecordProxy::PushName(lua_State* L, const CRef& ref) {
    const char* pszDatabase = ScriptFieldValue::PushName(L, LayoutOf(ref.database).name);
    lua_pushfstring(L, "%s %d", pszDatabase, static_cast<int>(ref.nKey));
    lua_remove(L, -2);
}

int CScriptRecordProxy::WriteElement(lua_State* L, const CRef& ref, const LayoutField& field,
                                     std::size_t nElement, int nValue) {
    const std::uint16_t nOffset = field.ElementOffset(nElement);
    switch (ScriptFieldValue::Check(L, nValue, field, RecordOf(ref) + nOffset)) {
        case ScriptFieldValue::ECheck::Keep:
            return 0;
        case ScriptFieldValue::ECheck::Refused:
            return Refuse(L, ref, field, nElement);
        case ScriptFieldValue::ECheck::Store:
            break;
    }
    CScriptStaging& staging = *ref.pStaging;
    bool bTaken = false;
    const bool bDone = CScriptState::Guarded([&] {
        if (&field != CScriptStaging::IndexField(ref.database)) {
            ScriptFieldValue::Store(L, nValue, field,
                                    staging.Modify(ref.database, ref.nKey) + nOffset);
            return;
        }
        const auto nIndex = static_cast<std::uint16_t>(lua_tointeger(L, nValue));
        bTaken = !staging.MayStoreIndex(ref.database, ref.nKey, nIndex);
        if (!bTaken) {
            staging.StoreIndex(ref.database, ref.nKey, nIndex);
        }
    });
    if (!bDone) {
        return CScriptState::StopForMemory(L);
    }
    if (bTaken) {
        lua_pushfstring(L, "%I is another record's index", lua_tointeger(L, nValue));
        return Refuse(L, ref, field, nElement);
    }
    return 0;
}

// Stops the script with the reason on top of the stack, naming where and what.
int CScriptRecordProxy::Refuse(lua_State* L, const CRef& ref, const LayoutField& field,
                               std::size_t nElement) {
    const int nReason = lua_gettop(L);
    luaL_where(L, 1);
    PushName(L, ref);
    lua_pushliteral(L, ": ");
    ScriptFieldValue::PushColumn(L, field, nElement);
    lua_pushliteral(L, ": ");
    lua_pushvalue(L, nReason);
    lua_concat(L, 6);
    return CScriptState::Stop(L);
}

int CScriptRecordProxy::Index(lua_State* L) {
    const CRef& ref = *static_cast<const CRef*>(luaL_checkudata(L, 1, kRecordType));
    const LayoutField& field = *FieldOf(L, ref, 2);
    if (field.nCount > 1) {
        const auto nField =
            static_cast<std::uint16_t>(&field - LayoutOf(ref.database).fields.data());
        new (lua_newuserdatauv(L, sizeof(CArrayRef), 0)) CArrayRef{ref, nField};
        luaL_setmetatable(L, kArrayType);
        return 1;
    }
    ScriptFieldValue::Push(L, field, RecordOf(ref) + field.nOffset);
    return 1;
}

int CScriptRecordProxy::NewIndex(lua_State* L) {
    const CRef& ref = *static_cast<const CRef*>(luaL_checkudata(L, 1, kRecordType));
    const LayoutField& field = *FieldOf(L, ref, 2);
    if (field.nCount > 1) {
        luaL_where(L, 1);
        PushName(L, ref);
        const char* pszField = ScriptFieldValue::PushName(L, field.name);
        lua_pushfstring(L, ": %s: a list; write its elements, as %s[1]", pszField, pszField);
        lua_remove(L, -2);
        lua_concat(L, 3);
        return lua_error(L);
    }
    return WriteElement(L, ref, field, 0, 3);
}

int CScriptRecordProxy::ToString(lua_State* L) {
    PushName(L, *static_cast<const CRef*>(luaL_checkudata(L, 1, kRecordType)));
    return 1;
}

int CScriptRecordProxy::Equal(lua_State* L) {
    const CRef* pLeft = Test(L, 1);
    const CRef* pRight = Test(L, 2);
    lua_pushboolean(L, pLeft != nullptr && pRight != nullptr &&
                           pLeft->pStaging == pRight->pStaging &&
                           pLeft->database == pRight->database && pLeft->nKey == pRight->nKey);
    return 1;
}

int CScriptRecordProxy::ArrayIndex(lua_State* L) {
    const auto& ref = *static_cast<const CArrayRef*>(luaL_checkudata(L, 1, kArrayType));
    const LayoutField& field = LayoutOf(ref.record.database).fields[ref.nField];
    const std::optional<std::size_t> nElement = ElementAt(L, field);
    // Past the end is nil, so ipairs stops there.
    if (!nElement) {
        lua_pushnil(L);
        return 1;
    }
    ScriptFieldValue::Push(L, field, RecordOf(ref.record) + field.ElementOffset(*nElement));
    return 1;
}

int CScriptRecordProxy::ArrayNewIndex(lua_State* L) {
    const auto& ref = *static_cast<const CArrayRef*>(luaL_checkudata(L, 1, kArrayType));
    const LayoutField& field = LayoutOf(ref.record.database).fields[ref.nField];
    const std::optional<std::size_t> nElement = ElementAt(L, field);
    if (!nElement) {
        const char* pszElement = luaL_tolstring(L, 2, nullptr);
        luaL_where(L, 1);
        PushName(L, ref.record);
        const char* pszField = ScriptFieldValue::PushName(L, field.name);
        lua_pushfstring(L, ": %s: no element %s; it has 1 to %d", pszField, pszElement,
                        static_cast<int>(field.nCount));
        lua_remove(L, -2);
        lua_concat(L, 3);
        return lua_error(L);
    }
    return WriteElement(L, ref.record, field, *nElement, 3);
}

int CScriptRecordProxy::ArrayLength(lua_State* L) {
    const auto& ref = *static_cast<const CArrayRef*>(luaL_checkudata(L, 1, kArrayType));
    lua_pushinteger(L, LayoutOf(ref.record.database).fields[ref.nField].nCount);
    return 1;
}

int CScriptRecordProxy::ArrayToString(lua_State* L) {
    const auto& ref = *static_cast<const CArrayRef*>(luaL_checkudata(L, 1, kArrayType));
    PushName(L, ref.record);
    lua_pushliteral(L, " ");
    ScriptFieldValue::PushName(L, LayoutOf(ref.record.database).fields[ref.nField].name);
    lua_concat(L, 3);
    return 1;
}
