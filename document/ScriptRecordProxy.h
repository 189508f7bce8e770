#pragma once

// A record as a script sees it: a userdata that reads and writes fields by their layout names
// (rec.mass, rec.name), with array fields as lists counted from 1 (rec.sensor_slots[2]). Reads
// see the script's own writes; writes go to the staging, checked against the field.

#include <lua.hpp>

#include <cstdint>

#include "RecordLayout.h"

class CScriptStaging;

class CScriptRecordProxy {
public:
    struct CRef {
        CScriptStaging* pStaging;
        Database database;
        std::uint16_t nKey;
    };

    // Adds the metatables of records and array fields to L.
    static void Register(lua_State* L);
    static void Push(lua_State* L, CScriptStaging& staging, Database database, std::uint16_t nKey);
    // The record at nIndex of the stack; null when it is none.
    static const CRef* Test(lua_State* L, int nIndex);

private:
    struct CArrayRef {
        CRef record;
        std::uint16_t nField;
    };

    static const LayoutField* FieldOf(lua_State* L, const CRef& ref, int nName);
    static void PushName(lua_State* L, const CRef& ref);
    static int WriteElement(lua_State* L, const CRef& ref, const LayoutField& field,
                            std::size_t nElement, int nValue);
    static int Refuse(lua_State* L, const CRef& ref, const LayoutField& field,
                      std::size_t nElement);
    static int Index(lua_State* L);
    static int NewIndex(lua_State* L);
    static int ToString(lua_State* L);
    static int Equal(lua_State* L);
    static int ArrayIndex(lua_State* L);
    static int ArrayNewIndex(lua_State* L);
    static int ArrayLength(lua_State* L);
    static int ArrayToString(lua_State* L);
};
