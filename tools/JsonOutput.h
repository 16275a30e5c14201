// JsonOutput: the buffer JSON text is written into, with the few primitives every value's
// conversion is made of (literal text, quoted strings, numbers, member names).
//
// It owns one growing byte buffer; a writer empties it into its stream between top-level
// objects (clear() keeps the storage), so it holds at most one object's text beyond what the
// writer lets gather. Text is UTF-8; strings are escaped the way the store's dump escapes them.
// A wide string that is not Unicode (a lone surrogate, a value above U+10FFFF) cannot be carried
// and throws JsonError, as the archive refuses to save it. Not thread-safe.
#pragma once

#include <charconv>
#include <concepts>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zxjson {

// Lower-case hexadecimal digits, for escapes, byte strings and colours.
inline constexpr char kHexDigits[] = "0123456789abcdef";

class JsonOutput {
public:
    explicit JsonOutput(bool showSecrets = false) : m_showSecrets(showSecrets) {}

    // Whether values of fields marked secret are written (otherwise "<redacted>").
    bool showSecrets() const { return m_showSecrets; }

    std::string_view view() const { return {m_buffer.data(), m_size}; }
    std::size_t size() const { return m_size; }
    void clear() { m_size = 0; }

    void put(char c) {
        *room(1) = c;
        ++m_size;
    }
    void put(std::string_view text) {
        char* at = room(text.size());
        text.copy(at, text.size());
        m_size += text.size();
    }
    // A string from UTF-8 text, quoted and escaped.
    void string(std::string_view utf8);
    // A string from wide text, converted to UTF-8, quoted and escaped.
    void string(std::wstring_view text);
    // `"name":`, after a comma unless it opens its object.
    void key(std::string_view name) {
        if (m_size != 0 && m_buffer[m_size - 1] != '{') put(',');
        string(name);
        put(':');
    }
    template <std::integral T>
    void integer(T value) {
        char* at = room(24);
        m_size = static_cast<std::size_t>(std::to_chars(at, at + 24, value).ptr - m_buffer.data());
    }
    // The shortest text that reads back as the same value; -0 as "-0.0" (a JSON reader takes
    // "-0" for the integer 0). Infinities and NaNs, which JSON numbers cannot hold, become the
    // strings "inf", "-inf", "nan", "-nan", or "nan:0x<bits>" for a NaN with a payload.
    void number(double value);
    void number(float value);

private:
    // Where the next `bytes` bytes go; they count once m_size is moved past them.
    char* room(std::size_t bytes) {
        if (m_buffer.size() - m_size < bytes) grow(bytes);
        return m_buffer.data() + m_size;
    }
    void grow(std::size_t bytes);
    template <class T>
    void floating(T value);

    std::vector<char> m_buffer;
    std::size_t m_size = 0;
    bool m_showSecrets;
};

}  // namespace zxjson
