// Text forms of values for the readable dump of stored objects.
//
// Each value type offers toDumpText(value) returning a JSON value in UTF-8; the generic dump of a
// kind strings them together into one JSON object per object. These texts are for people and
// tests, never read back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"

namespace zx {
// The UTF-8 text as a JSON string literal, quotes included.
ZX_API std::string jsonQuote(std::string_view utf8);
// The bytes as a quoted string of lower-case hexadecimal digits, two per byte.
ZX_API std::string hexQuote(const unsigned char* bytes, std::size_t size);
// A JSON array of count elements, element i's text being text(i).
template <class Text>
std::string dumpArray(std::size_t count, Text&& text) {
    std::string out = "[";
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out += ',';
        out += text(i);
    }
    return out + ']';
}
}  // namespace zx
ZX_API std::string toDumpText(const CString& text);
ZX_API std::string toDumpText(double value);
inline std::string toDumpText(bool value) { return value ? "true" : "false"; }

template <class T>
requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) std::string toDumpText(T value) {
    return std::to_string(value);
}
