#include "basetypes/DumpText.h"

#include <cmath>
#include <cstdio>

std::string zx::jsonQuote(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out.push_back('"');
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
    return out;
}

std::string zx::hexQuote(const unsigned char* bytes, std::size_t size) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out(2 + 2 * size, '"');
    for (std::size_t i = 0; i < size; ++i) {
        out[1 + 2 * i] = digits[bytes[i] >> 4];
        out[2 + 2 * i] = digits[bytes[i] & 0xF];
    }
    return out;
}

std::string toDumpText(const CString& text) { return zx::jsonQuote(text.toUtf8()); }

std::string toDumpText(double value) {
    if (!std::isfinite(value))
        return zx::jsonQuote(std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf"));
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
