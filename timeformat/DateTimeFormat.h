// Date-time formats of CProjectTime: CProjectTime::DateTimeFormatInfo, a format as its user writes
// it, and CProjectTime::DateTimeRegexGroups, the same format compiled once for reading and writing
// any number of texts (CProjectTime::buildRegexGroups, parseDateTime, formatDateTime).
//
// A format is a date pattern and a time pattern, joined by one space (the time first when
// `timeFirst` is set); either may be empty. Pattern letters:
//   d dd       day of the month, 1-2 digits / exactly 2
//   M MM       month, 1-2 digits / exactly 2;  MMM  Jan..Dec;  MMMM  January..December
//   yy yyyy    year, 2 digits (in the century window from `twoDigitYearStart`) / exactly 4
//   H HH       hour 0-23;  h hh  hour 1-12 (needs tt)      tt  the AM or PM designator
//   m mm       minute;  s ss  second (1-2 digits / exactly 2)
//   f ff fff   tenths / hundredths / thousandths of the second
//   'text'     literal text;  \c  the character c as it stands (\' for a quote)
// Any other ASCII letter is refused (quote it); every other character stands for itself. Digits
// are ASCII. A date names day, month and year or none of them (the time then falls on the day of
// `baseTime`); a minute needs an hour, a second a minute, a fraction a second. A text without an
// hour is midnight. Each component appears at most once, and two digit fields of varying width
// may not touch (in "dM", "111" would read two ways).
//
// Both the text and the format are bounded: each pattern at most s_maxPatternLength characters,
// each designator s_maxDesignatorLength, a text no longer than the longest the format can match
// (and than `maxTextLength` when set); anything longer is refused before any work that grows
// with it. Control characters are refused
// in a format. The regular expression is built here from the tokens, literal text escaped: it has
// no nested quantifiers and no alternatives that overlap, so matching is linear in the text.
//
// Copies of a DateTimeRegexGroups share one compiled expression by reference count (immutable
// after compilation, so copies may be used from several threads); each keeps its own copy of the
// regular-expression traits with their locale.
#pragma once

#include <array>
#include <cstdint>
#include <locale>
#include <memory>
#include <regex>
#include <string>
#include <unordered_map>
#include <vector>

#include "basetypes/CProjectTime.h"
#include "basetypes/CString.h"
#include "basetypes/ZxApi.h"
#include "store/CNonUniqueValueArray.h"

// A move copies like a copy: the source keeps its patterns, so a format moved into a holder is
// still usable where it came from.
struct ZX_API CProjectTime::DateTimeFormatInfo {
    static constexpr int s_maxPatternLength = 128;
    static constexpr int s_maxDesignatorLength = 16;
    static constexpr int s_textLengthLimit = 256;
    static constexpr int s_maxUtcOffsetMinutes = 18 * 60;

    DateTimeFormatInfo() = default;
    DateTimeFormatInfo(const DateTimeFormatInfo&) = default;
    DateTimeFormatInfo(DateTimeFormatInfo&& other)
        : DateTimeFormatInfo(static_cast<const DateTimeFormatInfo&>(other)) {}
    DateTimeFormatInfo& operator=(const DateTimeFormatInfo&) = default;
    DateTimeFormatInfo& operator=(DateTimeFormatInfo&& other) {
        return *this = static_cast<const DateTimeFormatInfo&>(other);
    }
    ~DateTimeFormatInfo() = default;

    friend bool operator==(const DateTimeFormatInfo&, const DateTimeFormatInfo&) = default;

    CString datePattern;  // e.g. L"dd.MM.yyyy"
    CString timePattern;  // e.g. L"HH:mm:ss" or L"hh:mm tt"
    // The AM and PM designators separated by ';'; empty for L"AM;PM".
    CString amPmDesignators;
    // The first year of the hundred that two-digit years name (0 to 9900).
    std::int32_t twoDigitYearStart = 1950;
    // The offset from UTC of the times the texts show, in minutes east (-18 h to +18 h).
    std::int32_t utcOffsetMinutes = 0;
    // The longest text read (at most s_textLengthLimit); 0 for the longest the format can match,
    // which also caps any larger value.
    std::int32_t maxTextLength = 0;
    // The time pattern comes before the date pattern.
    bool timeFirst = false;
    // Letters must match in case (designators, month names, literal text); otherwise ASCII letters
    // match either case.
    bool caseSensitive = false;
    // For formats without a date: an instant on the day the times fall on (in the format's
    // offset), in milliseconds since 1970-01-01 00:00 UTC.
    std::int64_t baseTime = 0;
};

// What the members hold once compiled (they are read-only to everyone but CProjectTime):
//   - the regular expression: the whole format, one capture group per component, in order;
//   - the pattern text it was compiled from;
//   - group lists 1 to 7: the capture group of the year, month, day, hour, minute and second, and
//     the two of the AM and the PM designator (empty when the format lacks the component); the
//     fraction's group is in its step code;
//   - the text list: the AM and PM designators, then one text per step of the format (literal
//     text, or the pattern letters of a component);
//   - the first table: step index -> step code (component, digit widths, capture group) for the
//     steps that are components; literal steps are absent;
//   - the second table: the format's parameters by ParameterKey;
//   - flag 1: the direct matcher reads texts exactly as the expression would (no digit field of
//     varying width is followed by something that may start with a digit, no designator is a
//     prefix of the other, nothing outside ASCII needs case folding);
//   - flag 2: the format is case-sensitive.
class ZX_API CProjectTime::DateTimeRegexGroups {
public:
    using LookupTable = std::unordered_map<std::int32_t, std::int32_t>;

    enum class GroupList : int { Year = 1, Month, Day, Hour, Minute, Second, AmPm };
    enum class ParameterKey : std::int32_t {
        TwoDigitYearStart,
        UtcOffsetMinutes,
        MaxTextLength,
        BaseDay
    };

    DateTimeRegexGroups() = default;
    DateTimeRegexGroups(const DateTimeRegexGroups&) = default;
    DateTimeRegexGroups(DateTimeRegexGroups&&) = default;
    DateTimeRegexGroups& operator=(const DateTimeRegexGroups&) = default;
    DateTimeRegexGroups& operator=(DateTimeRegexGroups&&) = default;
    ~DateTimeRegexGroups() = default;

    // The format has an AM/PM designator.
    bool useAMPM() const { return m_groupLists[6].GetSize() != 0; }

    // False for a default structure (nothing reads or writes through it).
    bool hasExpression() const { return m_expression.compiled != nullptr; }
    const std::wregex* expression() const { return m_expression.compiled.get(); }
    // How many structures share the compiled expression (0 without one).
    long expressionUseCount() const { return m_expression.compiled.use_count(); }
    std::locale getLocale() const { return m_expression.traits.getloc(); }

    const std::wstring& getPattern() const { return m_pattern; }
    const CProjectIntArray& getGroupList(GroupList list) const {
        return m_groupLists[static_cast<std::size_t>(list) - 1];
    }
    const std::vector<std::wstring>& getTexts() const { return m_texts; }
    const LookupTable& getStepTable() const { return m_stepTable; }
    const LookupTable& getParameterTable() const { return m_parameters; }
    bool usesDirectMatcher() const { return m_directMatch; }
    bool isCaseSensitive() const { return m_caseSensitive; }

private:
    friend class CProjectTime;

    // Declared compiled-first so that the compiled form is released after the traits.
    struct Expression {
        std::shared_ptr<const std::wregex> compiled;
        std::regex_traits<wchar_t> traits;  // built from the global locale
    };

    Expression m_expression;
    std::wstring m_pattern;
    std::array<CProjectIntArray, 7> m_groupLists;
    std::vector<std::wstring> m_texts;
    LookupTable m_stepTable = LookupTable(8);
    LookupTable m_parameters = LookupTable(8);
    bool m_directMatch = false;
    bool m_caseSensitive = false;
};
