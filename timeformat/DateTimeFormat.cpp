// Compiling date-time formats, and reading and writing text in them (see DateTimeFormat.h).
//
// A format is compiled into steps (literal text or one component) kept in the structure's text
// list and first table. The regular expression is generated from the same steps; so is the direct
// matcher, which walks the steps over the text without backtracking and is used wherever the
// format lets it read exactly what the expression would. Both hand the component texts to one
// assembly, so the two paths refuse and accept the same texts.
#include "timeformat/DateTimeFormat.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <string_view>
#include <utility>

namespace {

using Info = CProjectTime::DateTimeFormatInfo;
using Groups = CProjectTime::DateTimeRegexGroups;
using GroupList = Groups::GroupList;
using ParameterKey = Groups::ParameterKey;

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
constexpr std::size_t kFirstStepText = 2;  // the text list starts with the two designators
constexpr std::size_t kMaxSteps = 64;

enum class Field : std::uint8_t {
    Literal,
    Year4,
    Year2,
    Month,
    MonthAbbrev,
    MonthName,
    Day,
    Hour24,
    Hour12,
    Minute,
    Second,
    Fraction,
    AmPm,
    Count
};
constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::Count);

constexpr std::array<std::wstring_view, 12> kMonthAbbrevs = {
    L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
constexpr std::array<std::wstring_view, 12> kMonthNames = {
    L"January", L"February", L"March",     L"April",   L"May",      L"June",
    L"July",    L"August",   L"September", L"October", L"November", L"December"};

struct Step {
    Field field = Field::Literal;
    int minDigits = 0;
    int maxDigits = 0;
    std::wstring text;  // literal text, or the pattern letters of a component
};

// The first table's entry for a component step.
struct StepCode {
    Field field = Field::Literal;
    int minDigits = 0;
    int maxDigits = 0;
    int group = 0;

    std::int32_t pack() const {
        return static_cast<std::int32_t>(field) | (minDigits << 8) | (maxDigits << 12) |
               (group << 16);
    }
    static StepCode unpack(std::int32_t code) {
        return {static_cast<Field>(code & 0xFF), (code >> 8) & 0xF, (code >> 12) & 0xF,
                (code >> 16) & 0xFF};
    }
};

bool isDigitField(Field f) {
    return f != Field::Literal && f != Field::MonthAbbrev && f != Field::MonthName &&
           f != Field::AmPm;
}

// The group list a component's capture group is listed in (0 for none).
int groupListOf(Field f) {
    switch (f) {
        case Field::Year4:
        case Field::Year2:
            return static_cast<int>(GroupList::Year);
        case Field::Month:
        case Field::MonthAbbrev:
        case Field::MonthName:
            return static_cast<int>(GroupList::Month);
        case Field::Day:
            return static_cast<int>(GroupList::Day);
        case Field::Hour24:
        case Field::Hour12:
            return static_cast<int>(GroupList::Hour);
        case Field::Minute:
            return static_cast<int>(GroupList::Minute);
        case Field::Second:
            return static_cast<int>(GroupList::Second);
        case Field::AmPm:
            return static_cast<int>(GroupList::AmPm);
        default:
            return 0;
    }
}

bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool isControl(wchar_t c) { return c < 0x20 || c == 0x7F; }
wchar_t foldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

bool sameText(std::wstring_view a, std::wstring_view b, bool caseSensitive) {
    if (a.size() != b.size()) return false;
    if (caseSensitive) return a == b;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    return true;
}
bool startsWith(std::wstring_view text, std::wstring_view prefix, bool caseSensitive) {
    return text.size() >= prefix.size() &&
           sameText(text.substr(0, prefix.size()), prefix, caseSensitive);
}

// The component a run of `count` equal pattern letters names; false for none.
bool componentOf(wchar_t letter, std::size_t count, Step& step) {
    auto set = [&](Field field, int minDigits, int maxDigits) {
        step.field = field;
        step.minDigits = minDigits;
        step.maxDigits = maxDigits;
        return true;
    };
    const bool oneOrTwo = count == 1 || count == 2;
    const int width = static_cast<int>(count);
    switch (letter) {
        case L'y':
            if (count == 2) return set(Field::Year2, 2, 2);
            if (count == 4) return set(Field::Year4, 4, 4);
            return false;
        case L'M':
            if (count == 3) return set(Field::MonthAbbrev, 0, 0);
            if (count == 4) return set(Field::MonthName, 0, 0);
            return oneOrTwo && set(Field::Month, width, 2);
        case L'd':
            return oneOrTwo && set(Field::Day, width, 2);
        case L'H':
            return oneOrTwo && set(Field::Hour24, width, 2);
        case L'h':
            return oneOrTwo && set(Field::Hour12, width, 2);
        case L'm':
            return oneOrTwo && set(Field::Minute, width, 2);
        case L's':
            return oneOrTwo && set(Field::Second, width, 2);
        case L'f':
            return count <= 3 && set(Field::Fraction, width, width);
        case L't':
            return count == 2 && set(Field::AmPm, 0, 0);
        default:
            return false;
    }
}

void appendLiteral(std::vector<Step>& steps, std::wstring_view text) {
    if (text.empty()) return;
    if (steps.empty() || steps.back().field != Field::Literal) steps.push_back(Step{});
    steps.back().text += text;
}

// Appends the steps of one pattern; false when it is refused.
bool tokenize(std::wstring_view pattern, std::vector<Step>& steps) {
    std::size_t i = 0;
    while (i < pattern.size()) {
        const wchar_t c = pattern[i];
        if (isControl(c)) return false;
        if (c == L'\\') {
            if (i + 1 >= pattern.size() || isControl(pattern[i + 1])) return false;
            appendLiteral(steps, pattern.substr(i + 1, 1));
            i += 2;
        } else if (c == L'\'') {
            const std::size_t close = pattern.find(L'\'', i + 1);
            if (close == std::wstring_view::npos) return false;
            const std::wstring_view quoted = pattern.substr(i + 1, close - i - 1);
            for (const wchar_t q : quoted)
                if (isControl(q)) return false;
            appendLiteral(steps, quoted);
            i = close + 1;
        } else if (isAsciiLetter(c)) {
            std::size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c) ++run;
            Step step;
            if (!componentOf(c, run, step)) return false;
            step.text.assign(run, c);
            steps.push_back(std::move(step));
            i += run;
        } else {
            appendLiteral(steps, pattern.substr(i, 1));
            ++i;
        }
        if (steps.size() > kMaxSteps) return false;
    }
    return true;
}

bool splitDesignators(std::wstring_view text, std::wstring& am, std::wstring& pm,
                      bool caseSensitive) {
    if (text.empty()) text = L"AM;PM";
    const std::size_t semicolon = text.find(L';');
    if (semicolon == std::wstring_view::npos) return false;
    am = text.substr(0, semicolon);
    pm = text.substr(semicolon + 1);
    const auto bad = [](const std::wstring& d) {
        if (d.empty() || d.size() > static_cast<std::size_t>(Info::s_maxDesignatorLength))
            return true;
        for (const wchar_t c : d)
            if (isControl(c) || c == L';') return true;
        return false;
    };
    return !bad(am) && !bad(pm) && !sameText(am, pm, caseSensitive);
}

// The component rules of a format; false when they are broken.
bool validComponents(const std::vector<Step>& steps) {
    std::array<int, kFieldCount> count{};
    for (const Step& s : steps) ++count[static_cast<std::size_t>(s.field)];
    const auto has = [&](Field f) { return count[static_cast<std::size_t>(f)]; };
    const int years = has(Field::Year4) + has(Field::Year2);
    const int months = has(Field::Month) + has(Field::MonthAbbrev) + has(Field::MonthName);
    const int days = has(Field::Day);
    const int hours = has(Field::Hour24) + has(Field::Hour12);
    const int minutes = has(Field::Minute), seconds = has(Field::Second);
    const int fractions = has(Field::Fraction), designators = has(Field::AmPm);
    for (const int n : {years, months, days, hours, minutes, seconds, fractions, designators})
        if (n > 1) return false;
    if (years + months + days != 0 && years + months + days != 3) return false;
    if (years + months + days + hours == 0) return false;
    if (has(Field::Hour12) != designators) return false;
    if ((minutes && !hours) || (seconds && !minutes) || (fractions && !seconds)) return false;
    // Digit fields that touch: at most one of varying width, so that the split is unique.
    int varying = 0;
    for (const Step& s : steps) {
        if (!isDigitField(s.field)) {
            varying = 0;
            continue;
        }
        if (s.minDigits != s.maxDigits && ++varying > 1) return false;
    }
    return true;
}

bool isAscii(std::wstring_view text) {
    for (const wchar_t c : text)
        if (c > 0x7F || c < 0) return false;
    return true;
}

// Whether the direct matcher reads exactly what the expression reads (see DateTimeFormat.h).
bool directMatchAllowed(const std::vector<Step>& steps, const std::wstring& am,
                        const std::wstring& pm, bool caseSensitive) {
    if (startsWith(am, pm, caseSensitive) || startsWith(pm, am, caseSensitive)) return false;
    if (!caseSensitive && (!isAscii(am) || !isAscii(pm))) return false;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step& s = steps[k];
        if (s.field == Field::Literal && !caseSensitive && !isAscii(s.text)) return false;
        if (s.minDigits == s.maxDigits || k + 1 == steps.size()) continue;
        const Step& next = steps[k + 1];
        if (isDigitField(next.field)) return false;
        if (next.field == Field::Literal && isAsciiDigit(next.text.front())) return false;
        if (next.field == Field::AmPm && (isAsciiDigit(am.front()) || isAsciiDigit(pm.front())))
            return false;
    }
    return true;
}

// Literal text for the expression: ASCII punctuation escaped (an escaped punctuation character
// always stands for itself in ECMAScript), letters, digits, spaces and the rest as they are.
void appendEscaped(std::wstring& pattern, std::wstring_view text) {
    for (const wchar_t c : text) {
        if (c >= 0x21 && c <= 0x7E && !isAsciiLetter(c) && !isAsciiDigit(c)) pattern += L'\\';
        pattern += c;
    }
}

void appendAlternatives(std::wstring& pattern, const std::wstring_view* first, std::size_t n) {
    pattern += L'(';
    for (std::size_t i = 0; i < n; ++i) {
        if (i != 0) pattern += L'|';
        appendEscaped(pattern, first[i]);
    }
    pattern += L')';
}

void appendDigits(std::wstring& pattern, int minDigits, int maxDigits) {
    pattern += L"([0-9]{";
    pattern += std::to_wstring(minDigits);
    if (maxDigits != minDigits) pattern += L',' + std::to_wstring(maxDigits);
    pattern += L"})";
}

// The format's parameters, read from the second table in one walk over its entries.
struct Parameters {
    std::int32_t twoDigitYearStart = 0;
    std::int32_t utcOffsetMinutes = 0;
    std::int32_t maxTextLength = 0;
    std::int32_t baseDay = 0;

    explicit Parameters(const Groups& groups) {
        for (const auto& [key, value] : groups.getParameterTable()) {
            switch (static_cast<ParameterKey>(key)) {
                case ParameterKey::TwoDigitYearStart:
                    twoDigitYearStart = value;
                    break;
                case ParameterKey::UtcOffsetMinutes:
                    utcOffsetMinutes = value;
                    break;
                case ParameterKey::MaxTextLength:
                    maxTextLength = value;
                    break;
                case ParameterKey::BaseDay:
                    baseDay = value;
                    break;
            }
        }
    }
};

// The step codes by step index (0 for a literal step), read from the first table in one walk over
// its entries: a lookup per step would hash and divide for every step, literal steps included,
// which costs more than the rest of reading or writing a text.
struct StepCodes {
    std::array<std::int32_t, kMaxSteps> code;
    std::size_t count = 0;

    explicit StepCodes(const Groups& groups) {
        const std::size_t texts = groups.getTexts().size();
        count = std::min(texts > kFirstStepText ? texts - kFirstStepText : 0, kMaxSteps);
        std::fill_n(code.begin(), count, 0);
        for (const auto& [step, packed] : groups.getStepTable())
            if (step >= 0 && static_cast<std::size_t>(step) < count)
                code[static_cast<std::size_t>(step)] = packed;
    }
};

// The texts of the components one match found, by component.
struct Captured {
    std::array<std::wstring_view, kFieldCount> text{};
    std::array<bool, kFieldCount> present{};
    int designator = 0;  // 0 AM, 1 PM

    void set(Field f, std::wstring_view t) {
        text[static_cast<std::size_t>(f)] = t;
        present[static_cast<std::size_t>(f)] = true;
    }
    bool has(Field f) const { return present[static_cast<std::size_t>(f)]; }
    std::wstring_view get(Field f) const { return text[static_cast<std::size_t>(f)]; }
};

// The value of a digit text (at most four digits, so no overflow).
int digitsValue(std::wstring_view digits) {
    int value = 0;
    for (const wchar_t c : digits) value = value * 10 + (c - L'0');
    return value;
}

// The index of the name that `text` starts with; -1 for none.
int matchName(std::wstring_view text, const std::wstring_view* names, std::size_t n,
              bool caseSensitive) {
    for (std::size_t i = 0; i < n; ++i)
        if (startsWith(text, names[i], caseSensitive)) return static_cast<int>(i);
    return -1;
}

bool matchDirect(std::wstring_view text, const Groups& groups, Captured& out) {
    const auto& texts = groups.getTexts();
    const StepCodes codes(groups);
    const bool cs = groups.isCaseSensitive();
    std::size_t pos = 0;
    for (std::size_t step = 0; step < codes.count; ++step) {
        const std::wstring_view rest = text.substr(pos);
        const std::wstring& stepText = texts[kFirstStepText + step];
        if (codes.code[step] == 0) {
            if (!startsWith(rest, stepText, cs)) return false;
            pos += stepText.size();
            continue;
        }
        const StepCode code = StepCode::unpack(codes.code[step]);
        std::size_t length = 0;
        if (code.field == Field::MonthAbbrev || code.field == Field::MonthName) {
            const auto& names = code.field == Field::MonthAbbrev ? kMonthAbbrevs : kMonthNames;
            const int i = matchName(rest, names.data(), names.size(), cs);
            if (i < 0) return false;
            length = names[static_cast<std::size_t>(i)].size();
        } else if (code.field == Field::AmPm) {
            const std::wstring_view designators[2] = {texts[0], texts[1]};
            const int i = matchName(rest, designators, 2, cs);
            if (i < 0) return false;
            out.designator = i;
            length = designators[i].size();
        } else {
            const std::size_t most = static_cast<std::size_t>(code.maxDigits);
            while (length < most && length < rest.size() && isAsciiDigit(rest[length])) ++length;
            if (length < static_cast<std::size_t>(code.minDigits)) return false;
        }
        out.set(code.field, rest.substr(0, length));
        pos += length;
    }
    return pos == text.size();
}

bool matchExpression(std::wstring_view text, const Groups& groups, Captured& out) {
    std::match_results<const wchar_t*> match;
    try {
        if (!std::regex_match(text.data(), text.data() + text.size(), match, *groups.expression()))
            return false;
    } catch (const std::regex_error&) {
        return false;  // the matcher's own complexity or stack limit: not a text of this format
    }
    for (const auto& [step, packed] : groups.getStepTable()) {
        const StepCode code = StepCode::unpack(packed);
        const auto& group = match[static_cast<std::size_t>(code.group)];
        if (code.field == Field::AmPm) {
            // The designators are two groups, so the match says which without comparing texts.
            out.designator = group.matched ? 0 : 1;
            out.set(code.field, {});
            continue;
        }
        out.set(code.field,
                std::wstring_view(group.first, static_cast<std::size_t>(group.length())));
    }
    return true;
}

// The time the components name; invalid when they name none.
CProjectTime assemble(const Captured& c, const Groups& groups, const Parameters& parameters) {
    const bool cs = groups.isCaseSensitive();
    std::int64_t days = 0;
    if (c.has(Field::Day)) {
        int year = 0;
        if (c.has(Field::Year4)) {
            year = digitsValue(c.get(Field::Year4));
        } else {
            const int start = parameters.twoDigitYearStart;
            const int yy = digitsValue(c.get(Field::Year2));
            year = start + (yy - start % 100 + 100) % 100;
        }
        int month = 0;
        if (c.has(Field::Month)) {
            month = digitsValue(c.get(Field::Month));
        } else {
            const bool abbrev = c.has(Field::MonthAbbrev);
            const auto& names = abbrev ? kMonthAbbrevs : kMonthNames;
            const std::wstring_view name = c.get(abbrev ? Field::MonthAbbrev : Field::MonthName);
            for (std::size_t i = 0; i < names.size(); ++i)
                if (sameText(name, names[i], cs)) month = static_cast<int>(i) + 1;
        }
        const int day = digitsValue(c.get(Field::Day));
        if (month < 1 || month > 12 || day < 1 || day > 31) return CProjectTime();
        const std::chrono::year_month_day date{std::chrono::year{year},
                                               std::chrono::month{static_cast<unsigned>(month)},
                                               std::chrono::day{static_cast<unsigned>(day)}};
        if (!date.ok()) return CProjectTime();
        days = std::chrono::sys_days{date}.time_since_epoch().count();
    } else {
        days = parameters.baseDay;
    }
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    if (c.has(Field::Hour24)) {
        hour = digitsValue(c.get(Field::Hour24));
        if (hour > 23) return CProjectTime();
    } else if (c.has(Field::Hour12)) {
        hour = digitsValue(c.get(Field::Hour12));
        if (hour < 1 || hour > 12) return CProjectTime();
        hour = hour % 12 + (c.designator == 1 ? 12 : 0);
    }
    if (c.has(Field::Minute)) minute = digitsValue(c.get(Field::Minute));
    if (c.has(Field::Second)) second = digitsValue(c.get(Field::Second));
    if (minute > 59 || second > 59) return CProjectTime();
    if (c.has(Field::Fraction)) {
        const std::wstring_view digits = c.get(Field::Fraction);
        millisecond = digitsValue(digits);
        for (std::size_t n = digits.size(); n < 3; ++n) millisecond *= 10;
    }
    const std::int64_t offset = parameters.utcOffsetMinutes;
    return CProjectTime(days * kMillisecondsPerDay +
                        ((hour * 60LL + minute) * 60LL + second - offset * 60) * 1000LL +
                        millisecond);
}

bool acceptsText(std::wstring_view text, const Groups& groups, const Parameters& parameters) {
    return groups.hasExpression() &&
           text.size() <= static_cast<std::size_t>(parameters.maxTextLength);
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// A text written into a fixed buffer, copied out once. No format writes more than twice
// s_maxPatternLength literal characters, the joining space and eight components of at most
// s_maxDesignatorLength characters each (385 in all); a longer text would be refused, not cut.
class Writer {
public:
    void put(std::wstring_view text) {
        if (text.size() > m_text.size() - m_size) {
            m_overflow = true;
            return;
        }
        std::copy(text.begin(), text.end(), m_text.begin() + static_cast<std::ptrdiff_t>(m_size));
        m_size += text.size();
    }
    // Every number a format writes is 0 to 9999 (years beyond are refused before).
    void number(int value, int minDigits) {
        const int digits = value >= 1000 ? 4 : value >= 100 ? 3 : value >= 10 ? 2 : 1;
        const std::size_t width = static_cast<std::size_t>(std::max(digits, minDigits));
        if (value < 0 || value > 9999 || width > m_text.size() - m_size) {
            m_overflow = true;
            return;
        }
        for (std::size_t i = width; i-- > 0; value /= 10)
            m_text[m_size + i] = static_cast<wchar_t>(L'0' + value % 10);
        m_size += width;
    }
    bool overflowed() const { return m_overflow; }
    std::wstring_view text() const { return {m_text.data(), m_size}; }

private:
    std::array<wchar_t, 512> m_text;
    std::size_t m_size = 0;
    bool m_overflow = false;
};

}  // namespace

bool CProjectTime::buildRegexGroups(const DateTimeFormatInfo& format, DateTimeRegexGroups& groups) {
    if (format.datePattern.GetLength() > Info::s_maxPatternLength ||
        format.timePattern.GetLength() > Info::s_maxPatternLength ||
        format.amPmDesignators.GetLength() > 2 * Info::s_maxDesignatorLength + 1)
        return false;
    if (format.twoDigitYearStart < 0 || format.twoDigitYearStart > 9900) return false;
    if (format.utcOffsetMinutes < -Info::s_maxUtcOffsetMinutes ||
        format.utcOffsetMinutes > Info::s_maxUtcOffsetMinutes)
        return false;
    if (format.maxTextLength < 0 || format.maxTextLength > Info::s_textLengthLimit) return false;
    const bool cs = format.caseSensitive;
    std::wstring am, pm;
    if (!splitDesignators(format.amPmDesignators.view(), am, pm, cs)) return false;

    std::vector<Step> steps;
    const CString& first = format.timeFirst ? format.timePattern : format.datePattern;
    const CString& second = format.timeFirst ? format.datePattern : format.timePattern;
    if (!tokenize(first.view(), steps)) return false;
    if (!first.IsEmpty() && !second.IsEmpty()) appendLiteral(steps, L" ");
    if (!tokenize(second.view(), steps) || steps.size() > kMaxSteps) return false;
    if (!validComponents(steps)) return false;

    // The local day of the base time, without overflow near the ends of the range.
    const std::int64_t offsetMs = format.utcOffsetMinutes * 60'000LL;
    std::int64_t localBase = 0;
    if (__builtin_add_overflow(format.baseTime, offsetMs, &localBase)) return false;
    const std::int64_t baseDay = floorDiv(localBase, kMillisecondsPerDay);
    if (baseDay < -3'000'000 || baseDay > 3'000'000) return false;  // years 0 to 9999, widened

    DateTimeRegexGroups built;
    built.m_caseSensitive = cs;
    built.m_directMatch = directMatchAllowed(steps, am, pm, cs);
    built.m_texts.reserve(steps.size() + kFirstStepText);
    built.m_texts.push_back(am);
    built.m_texts.push_back(pm);
    std::wstring& pattern = built.m_pattern;
    int group = 0;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step& s = steps[k];
        built.m_texts.push_back(s.text);
        if (s.field == Field::Literal) {
            appendEscaped(pattern, s.text);
            continue;
        }
        ++group;
        if (s.field == Field::MonthAbbrev)
            appendAlternatives(pattern, kMonthAbbrevs.data(), kMonthAbbrevs.size());
        else if (s.field == Field::MonthName)
            appendAlternatives(pattern, kMonthNames.data(), kMonthNames.size());
        else if (s.field == Field::AmPm) {
            // (?:(AM)|(PM)): one capture group each, both listed in the seventh list.
            pattern += L"(?:(";
            appendEscaped(pattern, am);
            pattern += L")|(";
            appendEscaped(pattern, pm);
            pattern += L"))";
        } else
            appendDigits(pattern, s.minDigits, s.maxDigits);
        built.m_stepTable.emplace(static_cast<std::int32_t>(k),
                                  StepCode{s.field, s.minDigits, s.maxDigits, group}.pack());
        if (const int list = groupListOf(s.field); list != 0)
            built.m_groupLists[static_cast<std::size_t>(list) - 1].Add(CProjectInt(group));
        if (s.field == Field::AmPm)
            built.m_groupLists[static_cast<std::size_t>(GroupList::AmPm) - 1].Add(
                CProjectInt(++group));
    }
    // Nothing longer than the longest text the format matches can match, so texts are refused
    // beyond it before any matching.
    std::size_t longest = 0;
    for (const Step& s : steps) {
        if (s.field == Field::Literal)
            longest += s.text.size();
        else if (s.field == Field::MonthAbbrev)
            longest += 3;
        else if (s.field == Field::MonthName)
            longest += 9;
        else if (s.field == Field::AmPm)
            longest += std::max(am.size(), pm.size());
        else
            longest += static_cast<std::size_t>(s.maxDigits);
    }
    const std::size_t limit =
        format.maxTextLength == 0 ? longest : std::min(longest, std::size_t(format.maxTextLength));
    const auto key = [](ParameterKey k) { return static_cast<std::int32_t>(k); };
    built.m_parameters.emplace(key(ParameterKey::TwoDigitYearStart), format.twoDigitYearStart);
    built.m_parameters.emplace(key(ParameterKey::UtcOffsetMinutes), format.utcOffsetMinutes);
    built.m_parameters.emplace(key(ParameterKey::MaxTextLength), static_cast<std::int32_t>(limit));
    built.m_parameters.emplace(key(ParameterKey::BaseDay), static_cast<std::int32_t>(baseDay));

    auto flags = std::regex_constants::ECMAScript;
    if (!cs) flags |= std::regex_constants::icase;
    try {
        auto compiled = std::make_shared<std::wregex>();
        compiled->imbue(built.m_expression.traits.getloc());
        compiled->assign(pattern, flags);
        built.m_expression.compiled = std::move(compiled);
    } catch (const std::regex_error&) {
        return false;
    }
    groups = std::move(built);
    return true;
}

CProjectTime CProjectTime::parseDateTime(std::wstring_view text,
                                         const DateTimeRegexGroups& groups) {
    if (!groups.usesDirectMatcher()) return parseDateTimeWithExpression(text, groups);
    const Parameters parameters(groups);
    if (!acceptsText(text, groups, parameters)) return CProjectTime();
    Captured captured;
    if (!matchDirect(text, groups, captured)) return CProjectTime();
    return assemble(captured, groups, parameters);
}

CProjectTime CProjectTime::parseDateTimeWithExpression(std::wstring_view text,
                                                       const DateTimeRegexGroups& groups) {
    const Parameters parameters(groups);
    if (!acceptsText(text, groups, parameters)) return CProjectTime();
    Captured captured;
    if (!matchExpression(text, groups, captured)) return CProjectTime();
    return assemble(captured, groups, parameters);
}

bool CProjectTime::formatDateTime(const DateTimeRegexGroups& groups, std::wstring& out) const {
    out.clear();
    if (!isValid() || !groups.hasExpression()) return false;
    const Parameters parameters(groups);
    const std::int64_t offsetMs = parameters.utcOffsetMinutes * 60'000LL;
    std::int64_t local = 0;
    if (__builtin_add_overflow(m_milliseconds, offsetMs, &local)) return false;
    const std::int64_t days = floorDiv(local, kMillisecondsPerDay);
    const std::int64_t inDay = local - days * kMillisecondsPerDay;

    int year = 0;
    unsigned month = 0, day = 0;
    if (groups.getGroupList(DateTimeRegexGroups::GroupList::Day).GetSize() != 0) {
        // Years 0 to 9999 and a little beyond on both sides, so that the conversion is exact.
        if (days < -800'000 || days > 3'000'000) return false;
        const std::chrono::year_month_day date{
            std::chrono::sys_days{std::chrono::days{static_cast<int>(days)}}};
        year = static_cast<int>(date.year());
        month = static_cast<unsigned>(date.month());
        day = static_cast<unsigned>(date.day());
    }
    const int hour = static_cast<int>(inDay / 3'600'000);
    const int minute = static_cast<int>(inDay / 60'000 % 60);
    const int second = static_cast<int>(inDay / 1000 % 60);
    const int millisecond = static_cast<int>(inDay % 1000);

    const auto& texts = groups.getTexts();
    const StepCodes codes(groups);
    Writer writer;
    for (std::size_t step = 0; step < codes.count; ++step) {
        if (codes.code[step] == 0) {
            writer.put(texts[kFirstStepText + step]);
            continue;
        }
        const StepCode code = StepCode::unpack(codes.code[step]);
        switch (code.field) {
            case Field::Year4:
                if (year < 0 || year > 9999) return false;
                writer.number(year, 4);
                break;
            case Field::Year2: {
                const int start = parameters.twoDigitYearStart;
                if (year < start || year > start + 99) return false;
                writer.number(year % 100, 2);
                break;
            }
            case Field::Month:
                writer.number(static_cast<int>(month), code.minDigits);
                break;
            case Field::MonthAbbrev:
                writer.put(kMonthAbbrevs[month - 1]);
                break;
            case Field::MonthName:
                writer.put(kMonthNames[month - 1]);
                break;
            case Field::Day:
                writer.number(static_cast<int>(day), code.minDigits);
                break;
            case Field::Hour24:
                writer.number(hour, code.minDigits);
                break;
            case Field::Hour12:
                writer.number(hour % 12 == 0 ? 12 : hour % 12, code.minDigits);
                break;
            case Field::Minute:
                writer.number(minute, code.minDigits);
                break;
            case Field::Second:
                writer.number(second, code.minDigits);
                break;
            case Field::Fraction: {
                int value = millisecond;
                for (int n = code.minDigits; n < 3; ++n) value /= 10;
                writer.number(value, code.minDigits);
                break;
            }
            case Field::AmPm:
                writer.put(texts[hour < 12 ? 0 : 1]);
                break;
            default:
                break;
        }
    }
    if (writer.overflowed()) return false;
    out.assign(writer.text());
    return true;
}

std::wstring CProjectTime::formatDateTime(const DateTimeRegexGroups& groups) const {
    std::wstring text;
    (void)formatDateTime(groups, text);
    return text;
}
