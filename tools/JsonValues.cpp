#include "JsonValues.h"

#include <bit>
#include <chrono>
#include <limits>

namespace zxjson {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

// Days of the dates written as text: years 0 to 9999, the range of four year digits.
constexpr std::int64_t kFirstTextDay =
    std::chrono::sys_days{std::chrono::year{0} / 1 / 1}.time_since_epoch().count();
constexpr std::int64_t kLastTextDay =
    std::chrono::sys_days{std::chrono::year{9999} / 12 / 31}.time_since_epoch().count();

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Writes value as `count` decimal digits; returns the end.
char* putDigits(char* at, unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        at[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return at + count;
}

// "YYYY-MM-DD" of a day in the text range; returns the end.
char* putDate(char* at, std::int64_t days) {
    int year = 0;
    unsigned month = 0, day = 0;
    CProjectDate(static_cast<std::int32_t>(days)).toYMD(year, month, day);
    at = putDigits(at, static_cast<unsigned>(year), 4);
    *at++ = '-';
    at = putDigits(at, month, 2);
    *at++ = '-';
    return putDigits(at, day, 2);
}

// The number made of text[from, from + count), all decimal digits; -1 otherwise.
int digitsAt(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Days since 1970-01-01 of "YYYY-MM-DD" at the start of text; false unless it is a real date.
bool parseDate(std::string_view text, std::int64_t& days) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return false;
    const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    if (year < 0 || month < 0 || day < 0) return false;
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) return false;
    days = std::chrono::sys_days{date}.time_since_epoch().count();
    return true;
}

// Milliseconds since 1970-01-01 of "YYYY-MM-DDTHH:MM:SS.mmmZ"; false unless it is a real time.
bool parseTime(std::string_view text, std::int64_t& milliseconds) {
    std::int64_t days = 0;
    if (text.size() != 24 || !parseDate(text, days) || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != '.' || text[23] != 'Z')
        return false;
    const int hour = digitsAt(text, 11, 2), minute = digitsAt(text, 14, 2),
              second = digitsAt(text, 17, 2), millisecond = digitsAt(text, 20, 3);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0)
        return false;
    milliseconds = days * kMillisecondsPerDay + ((hour * 60LL + minute) * 60LL + second) * 1000LL +
                   millisecond;
    return true;
}

// The NaNs and infinities JsonOutput::number writes as strings; false for any other text.
template <class T>
bool parseSpecialNumber(std::string_view text, T& value) {
    using Bits = std::conditional_t<sizeof(T) == 8, std::uint64_t, std::uint32_t>;
    const auto quiet = std::bit_cast<Bits>(std::numeric_limits<T>::quiet_NaN());
    const Bits sign = Bits{1} << (sizeof(T) * 8 - 1);
    if (text == "inf" || text == "-inf") {
        value = text[0] == '-' ? -std::numeric_limits<T>::infinity()
                               : std::numeric_limits<T>::infinity();
        return true;
    }
    if (text == "nan" || text == "-nan") {
        value = std::bit_cast<T>(text[0] == '-' ? Bits(quiet | sign) : quiet);
        return true;
    }
    constexpr std::string_view prefix = "nan:0x";
    if (text.size() != prefix.size() + sizeof(T) * 2 || !text.starts_with(prefix)) return false;
    Bits bits = 0;
    const auto [end, error] =
        std::from_chars(text.data() + prefix.size(), text.data() + text.size(), bits, 16);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = std::bit_cast<T>(bits);
    // Only NaNs are written this way; other bits have their number form.
    return value != value;
}

template <class T>
void readFloating(const JsonValue& in, T& value) {
    switch (in.type()) {
        case JsonValue::Type::Integer:
            value = static_cast<T>(in.integer());
            return;
        case JsonValue::Type::Unsigned:
            value = static_cast<T>(in.unsignedInteger());
            return;
        case JsonValue::Type::Float:
            if constexpr (std::is_same_v<T, double>) {
                value = in.number();
            } else {
                // From the literal: rounding to double first could round a float twice.
                const std::string_view text = in.text();
                const auto [end, error] =
                    std::from_chars(text.data(), text.data() + text.size(), value);
                if (error != std::errc() || end != text.data() + text.size())
                    in.fail("the number " + std::string(text) + " is out of the range of a float");
            }
            return;
        case JsonValue::Type::String:
            if (parseSpecialNumber(in.text(), value)) return;
            break;
        default:
            break;
    }
    in.expected("a number (or \"inf\", \"-inf\", \"nan\")");
}

const char* const kVariantTypes[] = {"", "String", "Integer", "Double", "Boolean", "DateTime"};

}  // namespace

bool parseID(std::string_view text, CIDBase& id) {
    if (text == "unset") {
        id.unset();
        return true;
    }
    if (text == "null") {
        id.clear();
        return true;
    }
    // The text forms are at most 38 characters; longer text is not converted at all.
    return text.size() <= 38 && id.setGUID(CString::fromUtf8(text));
}

void readJson(const JsonValue& in, bool& value) {
    if (in.type() != JsonValue::Type::Boolean) in.expected("true or false");
    value = in.boolean();
}

void readJson(const JsonValue& in, double& value) { readFloating(in, value); }
void readJson(const JsonValue& in, float& value) { readFloating(in, value); }

void readJson(const JsonValue& in, CString& text) {
    // The parser has checked the UTF-8 already.
    if (!in.isString()) in.expected("a string");
    text = CString::fromUtf8(in.text());
}

void readJson(const JsonValue& in, CProjectString& text) {
    CString loaded;
    readJson(in, loaded);
    text = CProjectString(std::move(loaded));
}

void writeJson(JsonOutput& out, const CIDBase& id) {
    if (!id.isValid()) {
        out.put("\"unset\"");
        return;
    }
    if (id.isNULL()) {
        out.put("\"null\"");
        return;
    }
    char text[38];
    char* at = text;
    *at++ = '"';
    const GUID& bytes = id.getGUID();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) *at++ = '-';
        *at++ = kHexDigits[bytes[i] >> 4];
        *at++ = kHexDigits[bytes[i] & 0xF];
    }
    *at++ = '"';
    out.put(std::string_view(text, static_cast<std::size_t>(at - text)));
}

void readJson(const JsonValue& in, CIDBase& id) {
    if (!in.isString() || !parseID(in.text(), id))
        in.expected("an ID (8-4-4-4-12 hexadecimal digits, \"unset\" or \"null\")");
}

void writeJson(JsonOutput& out, const CProjectTime& time) {
    if (!time.isValid()) {
        out.put("null");
        return;
    }
    const std::int64_t milliseconds = time.getMilliseconds();
    const std::int64_t days = floorDiv(milliseconds, kMillisecondsPerDay);
    if (days < kFirstTextDay || days > kLastTextDay) {
        out.integer(milliseconds);
        return;
    }
    const auto inDay = static_cast<unsigned>(milliseconds - days * kMillisecondsPerDay);
    char text[32];
    char* at = text;
    *at++ = '"';
    at = putDate(at, days);
    *at++ = 'T';
    at = putDigits(at, inDay / 3'600'000, 2);
    *at++ = ':';
    at = putDigits(at, inDay / 60'000 % 60, 2);
    *at++ = ':';
    at = putDigits(at, inDay / 1000 % 60, 2);
    *at++ = '.';
    at = putDigits(at, inDay % 1000, 3);
    *at++ = 'Z';
    *at++ = '"';
    out.put(std::string_view(text, static_cast<std::size_t>(at - text)));
}

void readJson(const JsonValue& in, CProjectTime& time) {
    if (in.isNull()) {
        time = CProjectTime();
        return;
    }
    std::int64_t milliseconds = 0;
    if (in.isString()) {
        if (!parseTime(in.text(), milliseconds))
            in.expected("a time as \"YYYY-MM-DDTHH:MM:SS.mmmZ\"");
    } else {
        readJson(in, milliseconds);
        // The one number that means no time is written as null.
        if (milliseconds == CProjectTime::s_invalid)
            in.fail("the number is out of the range of a time");
    }
    time = CProjectTime(milliseconds);
}

void writeJson(JsonOutput& out, const CProjectDate& date) {
    const std::int64_t days = date.getDays();
    if (days < kFirstTextDay || days > kLastTextDay) {
        out.integer(days);
        return;
    }
    char text[16];
    char* at = text;
    *at++ = '"';
    at = putDate(at, days);
    *at++ = '"';
    out.put(std::string_view(text, static_cast<std::size_t>(at - text)));
}

void readJson(const JsonValue& in, CProjectDate& date) {
    if (in.isString()) {
        std::int64_t days = 0;
        if (in.text().size() != 10 || !parseDate(in.text(), days))
            in.expected("a date as \"YYYY-MM-DD\"");
        date = CProjectDate(static_cast<std::int32_t>(days));
        return;
    }
    std::int32_t days = 0;
    readJson(in, days);
    date = CProjectDate(days);
}

void writeJson(JsonOutput& out, const CProjectDuration& duration) {
    if (duration.isValid())
        out.integer(duration.getCount());
    else
        out.put("null");
}

void readJson(const JsonValue& in, CProjectDuration& duration) {
    if (in.isNull()) {
        duration = CProjectDuration(CProjectDuration::s_unset);
        return;
    }
    std::int64_t milliseconds = 0;
    readJson(in, milliseconds);
    // The one number that means an unset duration is written as null.
    if (milliseconds == CProjectDuration::s_unset)
        in.fail("the number is out of the range of a duration");
    duration = CProjectDuration(milliseconds);
}

void writeJson(JsonOutput& out, const CByteArray& data) { out.put(toDumpText(data)); }

namespace {

// The bytes a string of hexadecimal digits (two per byte) spells.
std::vector<std::uint8_t> hexBytes(const JsonValue& in) {
    if (!in.isString()) in.expected("a string of hexadecimal digits");
    const std::string_view text = in.text();
    if (text.size() % 2 != 0) in.fail("expected two hexadecimal digits per byte");
    const auto digit = [&](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        in.fail("expected hexadecimal digits only");
    };
    std::vector<std::uint8_t> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(digit(text[2 * i]) * 16 + digit(text[2 * i + 1]));
    return bytes;
}

}  // namespace

void readJson(const JsonValue& in, CByteArray& data) {
    const std::vector<std::uint8_t> bytes = hexBytes(in);
    data.setData(bytes.data(), static_cast<int>(bytes.size()));
}

void writeJson(JsonOutput& out, const CSharedBytes& bytes) { out.put(toDumpText(bytes)); }

void readJson(const JsonValue& in, CSharedBytes& bytes) {
    const std::vector<std::uint8_t> read = hexBytes(in);
    bytes.assign(read.data(), read.size());
}

void writeJson(JsonOutput& out, const CProjectColorRGB& color) {
    const std::uint32_t high = color.getPacked() >> 24;
    // Red, green, blue, then the high byte when it is set.
    const std::uint32_t channels[] = {color.red(), color.green(), color.blue(), high};
    char text[12];
    char* at = text;
    *at++ = '"';
    *at++ = '#';
    for (int i = 0; i < (high != 0 ? 4 : 3); ++i) {
        *at++ = kHexDigits[channels[i] >> 4];
        *at++ = kHexDigits[channels[i] & 0xF];
    }
    *at++ = '"';
    out.put(std::string_view(text, static_cast<std::size_t>(at - text)));
}

void readJson(const JsonValue& in, CProjectColorRGB& color) {
    const std::string_view text = in.isString() ? in.text() : std::string_view();
    if ((text.size() != 7 && text.size() != 9) || text[0] != '#')
        in.expected("a colour as \"#rrggbb\"");
    std::uint32_t packed = 0;
    for (std::size_t i = 1; i < text.size(); i += 2) {
        unsigned channel = 0;
        const auto [end, error] =
            std::from_chars(text.data() + i, text.data() + i + 2, channel, 16);
        if (error != std::errc() || end != text.data() + i + 2)
            in.expected("a colour as \"#rrggbb\"");
        // Red goes to the low byte, the high byte (if written) to the top.
        packed |= channel << (4 * (i - 1));
    }
    color = CProjectColorRGB(packed);
}

void writeJson(JsonOutput& out, const CProjectVariant& value) {
    const auto type = value.getType();
    if (type == CProjectVariant::Type::Empty) {
        out.put("null");
        return;
    }
    out.put('{');
    out.key(kVariantTypes[static_cast<int>(type)]);
    switch (type) {
        case CProjectVariant::Type::String:
            writeJson(out, value.getString());
            break;
        case CProjectVariant::Type::Integer:
            out.integer(value.getInteger());
            break;
        case CProjectVariant::Type::Double:
            out.number(value.getDouble());
            break;
        case CProjectVariant::Type::Boolean:
            writeJson(out, value.getBoolean());
            break;
        case CProjectVariant::Type::DateTime:
            writeJson(out, value.getDateTime());
            break;
        case CProjectVariant::Type::Empty:
            break;
    }
    out.put('}');
}

void readJson(const JsonValue& in, CProjectVariant& value) {
    if (in.isNull()) {
        value.clear();
        return;
    }
    if (in.type() != JsonValue::Type::Object || in.size() != 1)
        in.expected("null or an object of one member naming the value's type");
    const JsonValue held = *in.begin();
    const std::string_view type = held.key();
    if (type == "String") {
        CString text;
        readJson(held, text);
        value.setString(text);
    } else if (type == "Integer") {
        std::int64_t number = 0;
        readJson(held, number);
        value.setInteger(number);
    } else if (type == "Double") {
        double number = 0;
        readJson(held, number);
        value.setDouble(number);
    } else if (type == "Boolean") {
        bool flag = false;
        readJson(held, flag);
        value.setBoolean(flag);
    } else if (type == "DateTime") {
        CProjectTime time;
        readJson(held, time);
        value.setDateTime(time);
    } else {
        held.fail("expected a value type (String, Integer, Double, Boolean, DateTime), found \"" +
                  std::string(type) + '"');
    }
}

void readJson(const JsonValue& in, CProjectStringArray& texts) {
    CProjectStringArray loaded;
    forEachElement(in, [&](const JsonValue& element) {
        CProjectString text;
        readJson(element, text);
        loaded.Add(text);
    });
    texts = std::move(loaded);
}

MemberReader::MemberReader(const JsonValue& object) : m_object(object) {
    if (object.type() != JsonValue::Type::Object) object.expected("an object");
}

void writeJson(JsonOutput& out, const CGeometryArray& geometries) {
    out.put('[');
    for (int i = 0; i < geometries.GetSize(); ++i) {
        if (i) out.put(',');
        geometries.visitItem(i, [&]<class K>(const K& item) {
            out.put('{');
            out.key("Kind");
            out.string(std::string_view(geometry::kindName<K>()));
            if constexpr (requires { item.getPoints(); }) {
                out.key("Points");
                writeJson(out, item.getPoints());
            } else {
                K::describe(
                    [&](const char* name, const auto& value) {
                        out.key(name);
                        writeJson(out, value);
                    },
                    item);
            }
            out.put('}');
        });
    }
    out.put(']');
}

void readJson(const JsonValue& in, CGeometryArray& geometries) {
    if (in.type() != JsonValue::Type::Array) in.expected("an array of geometry items");
    CGeometryArray loaded;
    for (const JsonValue element : in) {
        if (element.type() != JsonValue::Type::Object) element.expected("a geometry item");
        std::uint32_t next = JsonTree::s_none;
        const JsonValue kind = element.take("Kind", next);
        if (!kind.isString()) kind.expected("the name of a geometry item kind");
        bool known = false;
        for (std::size_t tag = 1; tag <= geometry::GeometryItemKinds::size && !known; ++tag) {
            geometry::GeometryItemKinds::visit(
                static_cast<std::uint8_t>(tag), [&]<class K>(std::type_identity<K>) {
                    if (kind.text() != geometry::kindName<K>()) return;
                    known = true;
                    K item;
                    if constexpr (requires { item.getPoints(); }) {
                        using Points = std::remove_cvref_t<decltype(item.getPoints())>;
                        Points points;
                        readJson(element.take("Points", next), points);
                        item.setPoints(std::move(points));
                    } else {
                        K::describe([&](const char* name,
                                        auto& value) { readJson(element.take(name, next), value); },
                                    item);
                    }
                    element.refuseUntaken();
                    if (loaded.Add(std::move(item)) < 0)
                        element.fail("the geometry item cannot be drawn: " +
                                     geometry::itemError(item));
                });
        }
        if (!known) kind.expected("the name of a geometry item kind");
    }
    geometries = std::move(loaded);
}

}  // namespace zxjson
