// The time values: CProjectTime (an instant), CProjectDate (a calendar day) and CProjectDuration.
//
// CProjectTime counts milliseconds since 1970-01-01 00:00 UTC; a default time is invalid (unset).
// CProjectDate counts days since 1970-01-01 (the zero date). CProjectDuration counts milliseconds
// and can be unset.
// Archive records: time int64 (INT64_MIN when invalid), date int32, duration int64 (INT64_MIN when
// unset).
//
// CProjectTime also reads and writes text in a date-time format: the format's description
// (DateTimeFormatInfo) and its compiled form (DateTimeRegexGroups) are declared here and defined in
// timeformat/DateTimeFormat.h, which also describes the formats. They are kept out of this header
// so that the files that only hold times do not parse the regular-expression headers.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ZxApi.h"

class ZX_API CProjectDate {
public:
    constexpr CProjectDate() = default;
    constexpr explicit CProjectDate(std::int32_t daysSinceZero) : m_days(daysSinceZero) {}
    // A date from the proleptic Gregorian calendar.
    static CProjectDate fromYMD(int year, unsigned month, unsigned day);
    static constexpr CProjectDate GetZeroDate() { return CProjectDate(); }

    constexpr std::int32_t getDays() const { return m_days; }
    void toYMD(int& year, unsigned& month, unsigned& day) const;

    friend constexpr auto operator<=>(const CProjectDate&, const CProjectDate&) = default;
    void Serialize(CZentrixArchive& ar) { ar.io(m_days); }

private:
    std::int32_t m_days = 0;
};

class ZX_API CProjectDuration {
public:
    static constexpr std::int64_t s_unset = std::numeric_limits<std::int64_t>::min();

    constexpr CProjectDuration() = default;
    constexpr explicit CProjectDuration(std::int64_t milliseconds) : m_count(milliseconds) {}

    constexpr std::int64_t getCount() const { return m_count; }
    constexpr bool isValid() const { return m_count != s_unset; }
    void unset() { m_count = s_unset; }
    CProjectDuration& operator+=(const CProjectDuration& other) {
        if (isValid() && other.isValid()) m_count += other.m_count;
        return *this;
    }
    CProjectDuration& operator-=(const CProjectDuration& other) {
        if (isValid() && other.isValid()) m_count -= other.m_count;
        return *this;
    }

    friend constexpr auto operator<=>(const CProjectDuration&, const CProjectDuration&) = default;
    void Serialize(CZentrixArchive& ar) { ar.io(m_count); }

private:
    std::int64_t m_count = 0;
};

class ZX_API CProjectTime {
public:
    // A date-time format as written by its user, and the same format compiled for reading and
    // writing text (timeformat/DateTimeFormat.h).
    struct DateTimeFormatInfo;
    class DateTimeRegexGroups;

    static constexpr std::int64_t s_invalid = std::numeric_limits<std::int64_t>::min();

    constexpr CProjectTime() = default;
    constexpr explicit CProjectTime(std::int64_t millisecondsSinceEpoch)
        : m_milliseconds(millisecondsSinceEpoch) {}
    static CProjectTime fromDate(const CProjectDate& date, int hour = 0, int minute = 0,
                                 int second = 0);
    // The current time.
    static CProjectTime GetTickCount();

    constexpr bool isValid() const { return m_milliseconds != s_invalid; }
    constexpr std::int64_t getMilliseconds() const { return m_milliseconds; }
    // The day this time falls on (the zero date for an invalid time).
    CProjectDate getDate() const;

    friend constexpr auto operator<=>(const CProjectTime&, const CProjectTime&) = default;
    void Serialize(CZentrixArchive& ar) { ar.io(m_milliseconds); }

    // Compiles `format` into `groups`, once per format. False when the format is refused, and
    // `groups` is then left as it was.
    [[nodiscard]] static bool buildRegexGroups(const DateTimeFormatInfo& format,
                                               DateTimeRegexGroups& groups);
    // The time `text` names in the compiled format; an invalid time when the text does not match
    // the format, is longer than it allows, or names no real time (31 February, 24:00).
    [[nodiscard]] static CProjectTime parseDateTime(std::wstring_view text,
                                                    const DateTimeRegexGroups& groups);
    // The same, always through the compiled regular expression rather than the direct matcher.
    [[nodiscard]] static CProjectTime parseDateTimeWithExpression(
        std::wstring_view text, const DateTimeRegexGroups& groups);
    // This time as text in the compiled format, into `out` (its contents replaced, its storage
    // reused). False, with `out` empty, for an invalid time, a format not compiled, or a year the
    // format cannot show.
    [[nodiscard]] bool formatDateTime(const DateTimeRegexGroups& groups, std::wstring& out) const;
    // The same as a new string, empty when refused (no compiled format writes an empty text).
    [[nodiscard]] std::wstring formatDateTime(const DateTimeRegexGroups& groups) const;

private:
    std::int64_t m_milliseconds = s_invalid;
};

ZX_API std::string toDumpText(const CProjectDate& date);
ZX_API std::string toDumpText(const CProjectDuration& duration);
ZX_API std::string toDumpText(const CProjectTime& time);
