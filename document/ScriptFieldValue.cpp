#include "ScriptFieldValue.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "FieldKindVisit.h"

namespace ScriptFieldValue {

namespace {

using RecordField::Get;
using RecordField::Set;

template <class T>
constexpr const char* IntegerName() {
    constexpr bool bSigned = std::is_signed_v<T>;
    switch (sizeof(T)) {
        case 1:
            return bSigned ? "an 8-bit signed integer" : "an 8-bit unsigned integer";
        case 2:
            return bSigned ? "a 16-bit signed integer" : "a 16-bit unsigned integer";
        default:
            break;
    }
    return bSigned ? "a 32-bit signed integer" : "a 32-bit unsigned integer";
}

ECheck Refuse(lua_State* L, const char* pszFormat, auto... args) {
    lua_pushfstring(L, pszFormat, args...);
    return ECheck::Refused;
}

template <class T>
ECheck CheckInteger(lua_State* L, int nValue) {
    if (lua_type(L, nValue) != LUA_TNUMBER) {
        return Refuse(L, "needs an integer, not a %s", luaL_typename(L, nValue));
    }
    int bInteger = 0;
    const lua_Integer value = lua_tointegerx(L, nValue, &bInteger);
    if (!bInteger) {
        return Refuse(L, "%f is not an integer", lua_tonumber(L, nValue));
    }
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        return Refuse(L, "%I does not fit %s", value, IntegerName<T>());
    }
    return ECheck::Store;
}

ECheck CheckFloat(lua_State* L, int nValue, const std::uint8_t* pElement) {
    if (lua_type(L, nValue) != LUA_TNUMBER) {
        return Refuse(L, "needs a number, not a %s", luaL_typename(L, nValue));
    }
    const lua_Number value = lua_tonumber(L, nValue);
    if (std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max()) {
        return ECheck::Store;
    }
    const float stored = Get<float>(pElement, 0);
    if ((std::isnan(value) && std::isnan(stored)) || value == stored) {
        return ECheck::Keep;
    }
    return Refuse(L, "%f does not fit a 32-bit float", value);
}

ECheck CheckText(lua_State* L, int nValue, const LayoutField& field) {
    if (lua_type(L, nValue) != LUA_TSTRING) {
        return Refuse(L, "needs a string, not a %s", luaL_typename(L, nValue));
    }
    std::size_t nLength = 0;
    const char* pszText = lua_tolstring(L, nValue, &nLength);
    if (nLength > field.nWidth) {
        return Refuse(L, "a text of %d characters does not fit %d", static_cast<int>(nLength),
                      static_cast<int>(field.nWidth));
    }
    if (std::memchr(pszText, 0, nLength) != nullptr) {
        return Refuse(L, "a text cannot hold a zero byte");
    }
    return ECheck::Store;
}

ECheck CheckRaw(lua_State* L, int nValue, const LayoutField& field) {
    if (lua_type(L, nValue) != LUA_TSTRING || lua_rawlen(L, nValue) != field.nWidth) {
        return Refuse(L, "needs a string of exactly %d bytes", static_cast<int>(field.nWidth));
    }
    return ECheck::Store;
}

}  // namespace

const char* PushName(lua_State* L, std::string_view name) {
    return lua_pushlstring(L, name.data(), name.size());
}

const char* PushColumn(lua_State* L, const LayoutField& field, std::size_t nElement) {
    const char* pszName = PushName(L, field.name);
    if (field.nCount == 1) {
        return pszName;
    }
    const char* pszColumn = lua_pushfstring(L, "%s_%d", pszName, static_cast<int>(nElement + 1));
    lua_remove(L, -2);
    return pszColumn;
}

void Push(lua_State* L, const LayoutField& field, const std::uint8_t* pElement) {
    VisitFieldKind(field.kind, [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_integral_v<T>) {
            lua_pushinteger(L, Get<T>(pElement, 0));
        } else if constexpr (std::is_same_v<T, float>) {
            lua_pushnumber(L, Get<float>(pElement, 0));
        } else if constexpr (std::is_same_v<T, TextKind>) {
            const std::string_view text = RecordField::GetTextView(pElement, 0, field.nWidth);
            lua_pushlstring(L, text.data(), text.size());
        } else {
            lua_pushlstring(L, reinterpret_cast<const char*>(pElement), field.nWidth);
        }
    });
}

ECheck Check(lua_State* L, int nValue, const LayoutField& field, const std::uint8_t* pElement) {
    return VisitFieldKind(field.kind, [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_integral_v<T>) {
            return CheckInteger<T>(L, nValue);
        } else if constexpr (std::is_same_v<T, float>) {
            return CheckFloat(L, nValue, pElement);
        } else if constexpr (std::is_same_v<T, TextKind>) {
            return CheckText(L, nValue, field);
        } else {
            return CheckRaw(L, nValue, field);
        }
    });
}

void Store(lua_State* L, int nValue, const LayoutField& field, std::uint8_t* pElement) {
    VisitFieldKind(field.kind, [&]<class T>(std::type_identity<T>) {
        if constexpr (std::is_integral_v<T>) {
            Set(pElement, 0, static_cast<T>(lua_tointeger(L, nValue)));
        } else if constexpr (std::is_same_v<T, float>) {
            Set(pElement, 0, static_cast<float>(lua_tonumber(L, nValue)));
        } else {
            std::size_t nLength = 0;
            const char* pszText = lua_tolstring(L, nValue, &nLength);
            // A text keeps the bytes after its terminator; raw bytes fill their field.
            RecordField::SetText(pElement, 0, field.nWidth, std::string_view(pszText, nLength));
        }
    });
}

}  // namespace ScriptFieldValue
