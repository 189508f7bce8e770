#pragma once

// The Lua state a script runs in: only libraries that reach neither files nor programs, a budget
// of instructions and of memory, and a stop that the script cannot catch.

#include <lua.hpp>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "ScriptLimits.h"

class CScriptState {
public:
    // name is what messages call the script: "armour.lua:3: ...".
    CScriptState(std::string name, const CScriptLimits& limits, CScriptPrint print);
    ~CScriptState();
    CScriptState(const CScriptState&) = delete;
    CScriptState& operator=(const CScriptState&) = delete;

    // Calls install(L) protected, with pContext as its light userdata argument: for adding the
    // script's globals. False with the reason when it failed.
    bool Install(lua_CFunction install, void* pContext, std::string& strError);
    // Runs text; "name:line: reason" when it failed.
    bool Run(std::string_view text, std::string& strError);

    // Raises the message on top of L's stack as the end of the script: pcall does not catch it,
    // and it is the run's error whatever the script does after.
    static int Stop(lua_State* L);
    // Counts work done for the script outside Lua's instructions, and stops the script when
    // that takes it over its limit. Memory the script takes counts as well, one instruction
    // for each kBytesPerInstruction.
    static void Charge(lua_State* L, std::uint64_t nInstructions);
    static constexpr std::size_t kBytesPerInstruction = 64;
    // Stops the script when memory outside Lua's ran out.
    static int StopForMemory(lua_State* L);
    // Runs f, which raises no Lua error, and tells whether it finished: no C++ exception may
    // cross Lua's frames, and no Lua error C++ destructors.
    template <class F>
    static bool Guarded(F&& f) noexcept {
        try {
            f();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

private:
    static CScriptState& Of(lua_State* L);
    static void* Allocate(void* pState, void* pBlock, std::size_t nOldSize, std::size_t nNewSize);
    static void CountInstructions(lua_State* L, lua_Debug* pDebug);
    static int OpenLibraries(lua_State* L);
    static int Print(lua_State* L);
    static int LoadText(lua_State* L);
    static int ProtectedCall(lua_State* L);
    static int ProtectedCallWithHandler(lua_State* L);
    static int FinishProtectedCall(lua_State* L, int nStatus, lua_KContext nResults);
    bool IsOverInstructions() const;
    void PushInstructionStop(lua_State* L) const;
    std::string ErrorText(int nStatus) const;
    std::string MemoryText() const;
    void NoteMemoryStop();

    std::string m_strName;
    CScriptLimits m_limits;
    CScriptPrint m_print;
    lua_State* m_pLua = nullptr;
    std::size_t m_nBytes = 0;
    bool m_bMemoryRefused = false;
    std::uint64_t m_nInstructions = 0;
    int m_nHookPeriod = 1;
    std::string m_strStop;
};
