#include "ScriptState.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

CScriptState::CScriptState(std::string name, const CScriptLimits& limits, CScriptPrint print)
    : m_strName(std::move(name)), m_limits(limits), m_print(std::move(print)) {
    m_nHookPeriod = static_cast<int>(std::clamp<std::uint64_t>(m_limits.nMaxInstructions, 1, 1000));
    m_pLua = lua_newstate(Allocate, this);
    if (m_pLua == nullptr) {
        throw std::bad_alloc();
    }
    lua_pushcfunction(m_pLua, OpenLibraries);
    const int nStatus = lua_pcall(m_pLua, 0, 0, 0);
    if (nStatus != LUA_OK) {
        m_strStop = ErrorText(nStatus);
    }
}

CScriptState::~CScriptState() {
    lua_close(m_pLua);
}

CScriptState& CScriptState::Of(lua_State* L) {
    void* pState = nullptr;
    lua_getallocf(L, &pState);
    return *static_cast<CScriptState*>(pState);
}

bool CScriptState::Install(lua_CFunction install, void* pContext, std::string& strError) {
    if (m_strStop.empty()) {
        lua_pushcfunction(m_pLua, install);
        lua_pushlightuserdata(m_pLua, pContext);
        const int nStatus = lua_pcall(m_pLua, 1, 0, 0);
        if (nStatus == LUA_OK) {
            return true;
        }
        m_strStop = ErrorText(nStatus);
    }
    strError = m_strStop;
    return false;
}

bool CScriptState::Run(std::string_view text, std::string& strError) {
    if (!m_strStop.empty()) {
        strError = m_strStop;
        return false;
    }
    // "@" keeps the end of a long name, where the file name is, in Lua's own messages.
    const std::string chunkName = "@" + m_strName;
    int nStatus = luaL_loadbufferx(m_pLua, text.data(), text.size(), chunkName.c_str(), "t");
    if (nStatus == LUA_OK) {
        lua_sethook(m_pLua, CountInstructions, LUA_MASKCOUNT, m_nHookPeriod);
        nStatus = lua_pcall(m_pLua, 0, 0, 0);
        lua_sethook(m_pLua, nullptr, 0, 0);
    }
    if (nStatus == LUA_OK && m_strStop.empty() && !IsOverInstructions()) {
        return true;
    }
    // Memory taken since the last count may have passed the limit at the very end.
    strError = nStatus == LUA_OK && m_strStop.empty()
                   ? m_strName + ": stopped: more than " +
                         std::to_string(m_limits.nMaxInstructions) + " instructions"
                   : ErrorText(nStatus);
    lua_settop(m_pLua, 0);
    return false;
}

int CScriptState::Stop(lua_State* L) {
    CScriptState& state = Of(L);
    if (state.m_strStop.empty()) {
        try {
            state.m_strStop = lua_tostring(L, -1);
        } catch (const std::bad_alloc&) {
            // The error still ends the script; only its text is lost.
        }
    }
    return lua_error(L);
}

int CScriptState::StopForMemory(lua_State* L) {
    Of(L).NoteMemoryStop();
    lua_pushliteral(L, "not enough memory");
    return lua_error(L);
}

std::string CScriptState::ErrorText(int nStatus) const {
    if (!m_strStop.empty()) {
        return m_strStop;
    }
    if (nStatus == LUA_ERRMEM) {
        return MemoryText();
    }
    if (lua_isstring(m_pLua, -1)) {
        return lua_tostring(m_pLua, -1);
    }
    return m_strName + ": the error is a " + luaL_typename(m_pLua, -1) + " value";
}

std::string CScriptState::MemoryText() const {
    if (!m_bMemoryRefused) {
        return m_strName + ": not enough memory";
    }
    return m_strName + ": stopped: more than " + std::to_string(m_limits.nMaxMemoryBytes >> 20) +
           " MB of memory";
}

void* CScriptState::Allocate(void* pState, void* pBlock, std::size_t nOldSize,
                             std::size_t nNewSize) {
    auto& state = *static_cast<CScriptState*>(pState);
    // Without a block the old size names the kind of object, not a size.
    const std::size_t nOld = pBlock != nullptr ? nOldSize : 0;
    if (nNewSize == 0) {
        std::free(pBlock);
        state.m_nBytes -= nOld;
        return nullptr;
    }
    if (nNewSize > nOld && nNewSize - nOld > state.m_limits.nMaxMemoryBytes - state.m_nBytes) {
        // Lua collects garbage and asks again before it gives up.
        state.m_bMemoryRefused = true;
        return nullptr;
    }
    void* pNew = std::realloc(pBlock, nNewSize);
    if (pNew != nullptr) {
        state.m_nBytes = state.m_nBytes - nOld + nNewSize;
        // Memory costs time too: a loop that builds huge strings stops as soon as a busy one.
        state.m_nInstructions += (nNewSize > nOld ? nNewSize - nOld : 0) / kBytesPerInstruction;
    }
    return pNew;
}

void CScriptState::Charge(lua_State* L, std::uint64_t nInstructions) {
    CScriptState& state = Of(L);
    state.m_nInstructions += nInstructions;
    if (state.IsOverInstructions()) {
        luaL_where(L, 1);
        state.PushInstructionStop(L);
        lua_concat(L, 2);
        Stop(L);
    }
}

bool CScriptState::IsOverInstructions() const {
    return m_nInstructions >= m_limits.nMaxInstructions;
}

void CScriptState::PushInstructionStop(lua_State* L) const {
    lua_pushfstring(L, "stopped: more than %I instructions",
                    static_cast<lua_Integer>(m_limits.nMaxInstructions));
}

void CScriptState::CountInstructions(lua_State* L, lua_Debug*) {
    CScriptState& state = Of(L);
    state.m_nInstructions += static_cast<std::uint64_t>(state.m_nHookPeriod);
    if (!state.IsOverInstructions() && state.m_strStop.empty()) {
        return;
    }
    // From now on every instruction stops again, so no loop around a pcall gets far.
    lua_sethook(L, CountInstructions, LUA_MASKCOUNT, 1);
    if (state.m_strStop.empty()) {
        luaL_where(L, 0);
        state.PushInstructionStop(L);
        lua_concat(L, 2);
    } else {
        lua_pushstring(L, state.m_strStop.c_str());
    }
    Stop(L);
}

int CScriptState::OpenLibraries(lua_State* L) {
    const luaL_Reg libraries[] = {{LUA_GNAME, luaopen_base},
                                  {LUA_STRLIBNAME, luaopen_string},
                                  {LUA_TABLIBNAME, luaopen_table},
                                  {LUA_MATHLIBNAME, luaopen_math},
                                  {LUA_UTF8LIBNAME, luaopen_utf8}};
    for (const luaL_Reg& library : libraries) {
        luaL_requiref(L, library.name, library.func, 1);
        lua_pop(L, 1);
    }
    // Of os only the clock and the calendar.
    luaL_requiref(L, LUA_OSLIBNAME, luaopen_os, 0);
    lua_createtable(L, 0, 3);
    for (const char* pszName : {"clock", "time", "date"}) {
        lua_getfield(L, -2, pszName);
        lua_setfield(L, -2, pszName);
    }
    lua_setglobal(L, LUA_OSLIBNAME);
    lua_pop(L, 1);
    for (const char* pszName : {"dofile", "loadfile"}) {
        lua_pushnil(L);
        lua_setglobal(L, pszName);
    }
    lua_getglobal(L, "load");
    lua_pushcclosure(L, LoadText, 1);
    lua_setglobal(L, "load");
    const luaL_Reg replaced[] = {{"print", Print},
                                 {"pcall", ProtectedCall},
                                 {"xpcall", ProtectedCallWithHandler},
                                 {nullptr, nullptr}};
    lua_pushglobaltable(L);
    luaL_setfuncs(L, replaced, 0);
    lua_pop(L, 1);
    return 0;
}

int CScriptState::Print(lua_State* L) {
    const int nArgs = lua_gettop(L);
    luaL_Buffer buffer;
    luaL_buffinit(L, &buffer);
    for (int i = 1; i <= nArgs; ++i) {
        if (i > 1) {
            luaL_addchar(&buffer, '\t');
        }
        luaL_tolstring(L, i, nullptr);
        luaL_addvalue(&buffer);
    }
    luaL_addchar(&buffer, '\n');
    luaL_pushresult(&buffer);
    std::size_t nLength = 0;
    const char* pszText = lua_tolstring(L, -1, &nLength);
    bool bPrinted = true;
    try {
        Of(L).m_print(std::string_view(pszText, nLength));
    } catch (const std::exception&) {
        bPrinted = false;
    }
    return bPrinted ? 0 : luaL_error(L, "print: the output cannot take the text");
}

// load as Lua has it, but for text only: precompiled chunks could break the interpreter.
int CScriptState::LoadText(lua_State* L) {
    // An environment given as nil is not the same as none.
    const bool bEnvironment = lua_gettop(L) >= 4;
    lua_settop(L, 4);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_pushvalue(L, 1);
    lua_pushvalue(L, 2);
    lua_pushliteral(L, "t");
    if (bEnvironment) {
        lua_pushvalue(L, 4);
    }
    lua_call(L, bEnvironment ? 4 : 3, LUA_MULTRET);
    return lua_gettop(L) - 4;
}

// pcall and xpcall as Lua has them, except that a stopped script and a lack of memory go on
// up: a script must not carry on past its limits.
int CScriptState::ProtectedCall(lua_State* L) {
    luaL_checkany(L, 1);
    lua_pushboolean(L, 1);
    lua_insert(L, 1);
    const int nStatus = lua_pcallk(L, lua_gettop(L) - 2, LUA_MULTRET, 0, 0, FinishProtectedCall);
    return FinishProtectedCall(L, nStatus, 0);
}

int CScriptState::ProtectedCallWithHandler(lua_State* L) {
    const int nArgs = lua_gettop(L);
    luaL_checktype(L, 2, LUA_TFUNCTION);
    lua_pushboolean(L, 1);
    lua_pushvalue(L, 1);
    lua_rotate(L, 3, 2);
    const int nStatus = lua_pcallk(L, nArgs - 2, LUA_MULTRET, 2, 2, FinishProtectedCall);
    return FinishProtectedCall(L, nStatus, 2);
}

int CScriptState::FinishProtectedCall(lua_State* L, int nStatus, lua_KContext nResults) {
    if (nStatus == LUA_OK || nStatus == LUA_YIELD) {
        return lua_gettop(L) - static_cast<int>(nResults);
    }
    CScriptState& state = Of(L);
    if (nStatus == LUA_ERRMEM) {
        state.NoteMemoryStop();
    }
    if (nStatus == LUA_ERRMEM || !state.m_strStop.empty()) {
        return lua_error(L);
    }
    lua_pushboolean(L, 0);
    lua_pushvalue(L, -2);
    return 2;
}

void CScriptState::NoteMemoryStop() {
    try {
        if (m_strStop.empty()) {
            m_strStop = MemoryText();
        }
    } catch (const std::bad_alloc&) {
        // The error still ends the script; only its text is lost.
    }
}
