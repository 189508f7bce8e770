#pragma once

// One element of a layout field as a Lua value, and back with the checks a stored value needs:
// integers as Lua integers within the range of the field's type, floats as numbers that fit a
// 32-bit float, texts as strings of their Latin-1 bytes, reserved bytes as strings of exactly
// the field's width.

#include <lua.hpp>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "RecordLayout.h"

namespace ScriptFieldValue {

// Pushes a layout's or a field's name and returns it as a C string, for messages.
const char* PushName(lua_State* L, std::string_view name);
// Pushes what messages call an element: "mass", or "sensor_slots_2" as the CSV columns count.
const char* PushColumn(lua_State* L, const LayoutField& field, std::size_t nElement);

// Pushes the element at pElement.
void Push(lua_State* L, const LayoutField& field, const std::uint8_t* pElement);

enum class ECheck {
    Store,
    Keep,     // the value is what the element holds and the element keeps its bytes: a NaN
              // read and written back keeps its payload
    Refused,  // the reason is pushed: "70000 does not fit a 16-bit signed integer"
};
// Checks the value at nValue against the element at pElement, without changing it.
ECheck Check(lua_State* L, int nValue, const LayoutField& field, const std::uint8_t* pElement);
// Stores a value that Check found fit into the element at pElement.
void Store(lua_State* L, int nValue, const LayoutField& field, std::uint8_t* pElement);

}  // namespace ScriptFieldValue
