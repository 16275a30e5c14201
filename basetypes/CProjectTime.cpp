#include "basetypes/CProjectTime.h"

#include <chrono>
#include <cstdio>

#include "basetypes/DumpText.h"

namespace {
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
}  // namespace

CProjectDate CProjectDate::fromYMD(int year, unsigned month, unsigned day) {
    const std::chrono::sys_days days{std::chrono::year{year} / std::chrono::month{month} /
                                     std::chrono::day{day}};
    return CProjectDate(static_cast<std::int32_t>(days.time_since_epoch().count()));
}

void CProjectDate::toYMD(int& year, unsigned& month, unsigned& day) const {
    const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{m_days}}};
    year = static_cast<int>(ymd.year());
    month = static_cast<unsigned>(ymd.month());
    day = static_cast<unsigned>(ymd.day());
}

CProjectTime CProjectTime::fromDate(const CProjectDate& date, int hour, int minute, int second) {
    return CProjectTime(date.getDays() * kMillisecondsPerDay +
                        ((hour * 60LL + minute) * 60LL + second) * 1000LL);
}

CProjectTime CProjectTime::GetTickCount() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return CProjectTime(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

CProjectDate CProjectTime::getDate() const {
    if (!isValid()) return CProjectDate::GetZeroDate();
    return CProjectDate(static_cast<std::int32_t>(floorDiv(m_milliseconds, kMillisecondsPerDay)));
}

std::string toDumpText(const CProjectDate& date) {
    int year = 0;
    unsigned month = 0, day = 0;
    date.toYMD(year, month, day);
    char text[32];
    std::snprintf(text, sizeof text, "\"%04d-%02u-%02u\"", year, month, day);
    return text;
}

std::string toDumpText(const CProjectDuration& duration) {
    return duration.isValid() ? std::to_string(duration.getCount()) : "null";
}

std::string toDumpText(const CProjectTime& time) {
    if (!time.isValid()) return "null";
    const std::int64_t ms = time.getMilliseconds();
    // The remainder, not ms - floor(ms / day) * day: that product overflows near the ends of
    // the range.
    std::int64_t inDay = ms % kMillisecondsPerDay;
    if (inDay < 0) inDay += kMillisecondsPerDay;
    const std::string date = toDumpText(time.getDate());
    char text[64];
    std::snprintf(text, sizeof text, "%.*sT%02lld:%02lld:%02lld.%03lldZ\"",
                  static_cast<int>(date.size() - 1), date.c_str(),
                  static_cast<long long>(inDay / 3'600'000),
                  static_cast<long long>(inDay / 60'000 % 60),
                  static_cast<long long>(inDay / 1000 % 60), static_cast<long long>(inDay % 1000));
    return text;
}
