// The time values: CProjectTime (an instant), CProjectDate (a calendar day) and CProjectDuration.
//
// CProjectTime counts milliseconds since 1970-01-01 00:00 UTC; a default time is invalid (unset).
// CProjectDate counts days since 1970-01-01 (the zero date). CProjectDuration counts milliseconds
// and can be unset.
// Archive records: time int64 (INT64_MIN when invalid), date int32, duration int64 (INT64_MIN when
// unset).
#pragma once

#include <cstdint>
#include <limits>
#include <string>

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

private:
    std::int64_t m_milliseconds = s_invalid;
};

ZX_API std::string toDumpText(const CProjectDate& date);
ZX_API std::string toDumpText(const CProjectDuration& duration);
ZX_API std::string toDumpText(const CProjectTime& time);
