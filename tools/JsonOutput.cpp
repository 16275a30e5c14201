#include "JsonOutput.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <type_traits>

#include "JsonError.h"

namespace zxjson {

namespace {

// Writes the escape of an ASCII character that JSON does not allow raw in a string, or the
// character itself; returns the end.
char* putAscii(char* at, unsigned char c) {
    switch (c) {
        case '"':
            *at++ = '\\';
            *at++ = '"';
            return at;
        case '\\':
            *at++ = '\\';
            *at++ = '\\';
            return at;
        case '\n':
            *at++ = '\\';
            *at++ = 'n';
            return at;
        case '\r':
            *at++ = '\\';
            *at++ = 'r';
            return at;
        case '\t':
            *at++ = '\\';
            *at++ = 't';
            return at;
        default:
            if (c < 0x20) {
                for (const char e : {'\\', 'u', '0', '0'}) *at++ = e;
                *at++ = kHexDigits[c >> 4];
                *at++ = kHexDigits[c & 0xF];
            } else {
                *at++ = static_cast<char>(c);
            }
            return at;
    }
}

bool needsEscape(unsigned char c) { return c < 0x20 || c == '"' || c == '\\'; }

// "U+D800".
std::string codeName(std::uint32_t cp) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
    return name;
}

}  // namespace

void JsonOutput::grow(std::size_t bytes) {
    m_buffer.resize(std::max(m_buffer.size() * 2, std::max<std::size_t>(m_size + bytes, 4096)));
}

void JsonOutput::string(std::string_view utf8) {
    // Every byte takes at most six (\u00XX), plus the quotes.
    char* at = room(utf8.size() * 6 + 2);
    *at++ = '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (!needsEscape(byte))
            *at++ = c;
        else
            at = putAscii(at, byte);
    }
    *at++ = '"';
    m_size = static_cast<std::size_t>(at - m_buffer.data());
}

void JsonOutput::string(std::wstring_view text) {
    // A code unit takes at most six bytes (\u00XX; four as UTF-8), plus the quotes.
    char* at = room(text.size() * 6 + 2);
    *at++ = '"';
    for (const wchar_t unit : text) {
        const auto cp = static_cast<std::uint32_t>(unit);
        if (cp < 0x80) {
            if (!needsEscape(static_cast<unsigned char>(cp)))
                *at++ = static_cast<char>(cp);
            else
                at = putAscii(at, static_cast<unsigned char>(cp));
        } else if (cp < 0x800) {
            *at++ = static_cast<char>(0xC0 | (cp >> 6));
            *at++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            if (cp >= 0xD800 && cp <= 0xDFFF) {
                throw JsonError("text holds the lone surrogate " + codeName(cp) +
                                ", which is not Unicode and cannot be written");
            }
            *at++ = static_cast<char>(0xE0 | (cp >> 12));
            *at++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *at++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp <= 0x10FFFF) {
            *at++ = static_cast<char>(0xF0 | (cp >> 18));
            *at++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *at++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *at++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            throw JsonError("text holds " + codeName(cp) +
                            ", beyond Unicode, which cannot be written");
        }
    }
    *at++ = '"';
    m_size = static_cast<std::size_t>(at - m_buffer.data());
}

template <class T>
void JsonOutput::floating(T value) {
    using Bits = std::conditional_t<sizeof(T) == 8, std::uint64_t, std::uint32_t>;
    if (std::isfinite(value)) {
        char* at = room(32);
        char* end = std::to_chars(at, at + 32, value).ptr;
        m_size = static_cast<std::size_t>(end - m_buffer.data());
        if (value == 0 && std::signbit(value)) put(".0");
        return;
    }
    if (std::isinf(value)) {
        put(value > 0 ? "\"inf\"" : "\"-inf\"");
        return;
    }
    const auto bits = std::bit_cast<Bits>(value);
    const auto quiet = std::bit_cast<Bits>(std::numeric_limits<T>::quiet_NaN());
    const Bits sign = Bits{1} << (sizeof(T) * 8 - 1);
    if (bits == quiet) {
        put("\"nan\"");
    } else if (bits == (quiet | sign)) {
        put("\"-nan\"");
    } else {
        put("\"nan:0x");
        for (int shift = sizeof(T) * 8 - 4; shift >= 0; shift -= 4)
            put(kHexDigits[(bits >> shift) & 0xF]);
        put('"');
    }
}

void JsonOutput::number(double value) { floating(value); }
void JsonOutput::number(float value) { floating(value); }

}  // namespace zxjson
