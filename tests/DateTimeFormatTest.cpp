// Date-time formats: the compiled structure's value semantics (copies share the compiled
// expression, moves take it over), round trips of formatting and reading over random times in
// several formats, agreement of the direct matcher with the expression on good and damaged texts,
// refused texts and formats, and hostile formats and texts that must be refused quickly.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "timeformat/DateTimeFormat.h"

namespace {

using Info = CProjectTime::DateTimeFormatInfo;
using Groups = CProjectTime::DateTimeRegexGroups;
using GroupList = Groups::GroupList;

Info format(const wchar_t* date, const wchar_t* time, const wchar_t* designators = L"") {
    Info info;
    info.datePattern = date;
    info.timePattern = time;
    info.amPmDesignators = designators;
    return info;
}

Groups compiled(const Info& info) {
    Groups groups;
    EXPECT_TRUE(CProjectTime::buildRegexGroups(info, groups));
    return groups;
}

CProjectTime at(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                int second = 0, int millisecond = 0) {
    const CProjectTime t =
        CProjectTime::fromDate(CProjectDate::fromYMD(year, month, day), hour, minute, second);
    return CProjectTime(t.getMilliseconds() + millisecond);
}

CProjectTime parse(const std::wstring& text, const Groups& groups) {
    return CProjectTime::parseDateTime(text, groups);
}

TEST(DateTimeFormat, DefaultStructuresHoldNothing) {
    const Groups groups;
    EXPECT_FALSE(groups.useAMPM());
    EXPECT_FALSE(groups.hasExpression());
    EXPECT_EQ(groups.expressionUseCount(), 0);
    EXPECT_TRUE(groups.getPattern().empty());
    for (int list = 1; list <= 7; ++list)
        EXPECT_EQ(groups.getGroupList(static_cast<GroupList>(list)).GetSize(), 0);
    EXPECT_TRUE(groups.getTexts().empty());
    for (const auto* table : {&groups.getStepTable(), &groups.getParameterTable()}) {
        EXPECT_TRUE(table->empty());
        EXPECT_GE(table->bucket_count(), 8u);
        EXPECT_EQ(table->max_load_factor(), 1.0f);
    }
    EXPECT_FALSE(groups.usesDirectMatcher());
    EXPECT_FALSE(groups.isCaseSensitive());
    EXPECT_TRUE(groups.getLocale() == std::locale());
    // Nothing reads or writes through an uncompiled structure.
    EXPECT_FALSE(parse(L"01.01.2020", groups).isValid());
    EXPECT_TRUE(at(2020, 1, 1).formatDateTime(groups).empty());
}

TEST(DateTimeFormat, CopiesShareTheCompiledExpressionAndMovesTakeItOver) {
    const Groups twelveHour = compiled(format(L"dd.MM.yyyy", L"hh:mm tt"));
    ASSERT_TRUE(twelveHour.useAMPM());
    ASSERT_EQ(twelveHour.getGroupList(GroupList::AmPm).GetSize(), 2);  // AM's group, PM's
    const CProjectTime afternoon = at(2024, 2, 29, 15, 30);

    Groups target = compiled(format(L"yyyy-MM-dd", L""));
    const Groups otherHolder = target;  // keeps the target's old expression alive to watch it
    EXPECT_EQ(otherHolder.expressionUseCount(), 2);
    target = twelveHour;
    EXPECT_TRUE(target.useAMPM());
    EXPECT_EQ(target.expression(), twelveHour.expression());
    EXPECT_EQ(twelveHour.expressionUseCount(), 2);
    EXPECT_EQ(otherHolder.expressionUseCount(), 1);  // the old one lost the target's reference
    EXPECT_EQ(target.getPattern(), twelveHour.getPattern());
    EXPECT_EQ(parse(L"29.02.2024 03:30 PM", target), afternoon);

    {
        const Groups copy(twelveHour);
        EXPECT_EQ(twelveHour.expressionUseCount(), 3);
        EXPECT_EQ(CProjectTime::parseDateTimeWithExpression(L"29.02.2024 03:30 PM", copy),
                  afternoon);
    }
    target = Groups();
    EXPECT_EQ(twelveHour.expressionUseCount(), 1);
    // The source alone holds the expression now, and it still matches.
    EXPECT_EQ(CProjectTime::parseDateTimeWithExpression(L"29.02.2024 03:30 PM", twelveHour),
              afternoon);

    Groups source = twelveHour;
    const std::wregex* expression = source.expression();
    Groups moved(std::move(source));
    EXPECT_EQ(moved.expression(), expression);
    EXPECT_EQ(twelveHour.expressionUseCount(), 2);
    EXPECT_TRUE(moved.useAMPM());
    EXPECT_EQ(moved.usesDirectMatcher(), twelveHour.usesDirectMatcher());
    EXPECT_EQ(parse(L"29.02.2024 03:30 PM", moved), afternoon);
    Groups assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned.expression(), expression);
    EXPECT_EQ(afternoon.formatDateTime(assigned), L"29.02.2024 03:30 PM");
}

TEST(DateTimeFormat, FormatDescriptionsCopyOnMove) {
    Info info = format(L"dd.MM.yyyy", L"hh:mm tt", L"am;pm");
    info.twoDigitYearStart = 1980;
    info.utcOffsetMinutes = 60;
    info.timeFirst = true;
    info.baseTime = 123;
    Info moved(std::move(info));
    EXPECT_EQ(moved, info);  // the source keeps its strings and values
    EXPECT_EQ(info.timePattern, L"hh:mm tt");
    Info assigned;
    assigned = std::move(moved);
    EXPECT_EQ(assigned, moved);
    EXPECT_EQ(assigned.amPmDesignators, L"am;pm");
}

struct RoundTripCase {
    Info info;
    std::int64_t resolution;  // milliseconds the format shows
    int firstYear, lastYear;
};

TEST(DateTimeFormat, RandomTimesRoundTripAndBothMatchersAgree) {
    std::vector<RoundTripCase> cases;
    cases.push_back({format(L"dd.MM.yyyy", L"HH:mm:ss"), 1000, 1, 9999});
    cases.push_back({format(L"M/d/yyyy", L"h:mm tt"), 60'000, 1900, 2100});
    cases.push_back({format(L"dd-MMM-yy", L"HH:mm"), 60'000, 1950, 2049});
    cases.push_back({format(L"d MMMM yyyy", L"hh:mm:ss.fff tt", L"a.m.;p.m."), 1, 1600, 2400});
    cases.push_back({format(L"yyyy-MM-dd", L"'T'HH:mm:ss.ff"), 10, 1970, 2038});
    cases.push_back({format(L"yyyyMMdd", L"Hmmss"), 1000, 1000, 9999});  // through the expression
    cases.push_back({format(L"dd/MM/yy", L""), 86'400'000, 1950, 2049});
    {
        Info info = format(L"dd.MM.yyyy", L"HH:mm");
        info.timeFirst = true;
        info.utcOffsetMinutes = -330;
        cases.push_back({info, 60'000, 1800, 2200});
    }
    std::mt19937_64 random(20261206);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.info.datePattern.toUtf8() + " " + c.info.timePattern.toUtf8());
        const Groups groups = compiled(c.info);
        const std::int64_t offset = c.info.utcOffsetMinutes * 60'000LL;
        const std::int64_t first = at(c.firstYear, 1, 1).getMilliseconds() - offset;
        const std::int64_t last =
            at(c.lastYear, 12, 31, 23, 59, 59, 999).getMilliseconds() - offset;
        std::wstring text;
        for (int i = 0; i < 2000; ++i) {
            std::int64_t ms = first + static_cast<std::int64_t>(random() % (last - first + 1));
            ms -= (((ms + offset) % c.resolution) + c.resolution) % c.resolution;
            const CProjectTime time(ms);
            ASSERT_TRUE(time.formatDateTime(groups, text)) << ms;
            ASSERT_EQ(parse(text, groups), time);
            ASSERT_EQ(CProjectTime::parseDateTimeWithExpression(text, groups), time);
            // Damage one character: both matchers still read the same (or refuse together).
            std::wstring damaged = text;
            const std::size_t where = random() % damaged.size();
            damaged[where] = L"0123456789 :./-aAmMpPT"[random() % 22];
            ASSERT_EQ(parse(damaged, groups),
                      CProjectTime::parseDateTimeWithExpression(damaged, groups))
                << damaged;
        }
    }
}

TEST(DateTimeFormat, ComponentsAreReadAsDocumented) {
    const Groups twoDigit = compiled(format(L"dd.MM.yy", L""));
    EXPECT_EQ(parse(L"01.01.49", twoDigit), at(2049, 1, 1));
    EXPECT_EQ(parse(L"01.01.50", twoDigit), at(1950, 1, 1));
    EXPECT_TRUE(at(2050, 1, 1).formatDateTime(twoDigit).empty());  // outside the window
    EXPECT_TRUE(at(1949, 12, 31).formatDateTime(twoDigit).empty());

    const Groups twelve = compiled(format(L"", L"h:mm tt"));
    EXPECT_FALSE(twelve.getGroupList(GroupList::Year).GetSize());
    EXPECT_EQ(parse(L"12:00 AM", twelve), CProjectTime(0));
    EXPECT_EQ(parse(L"12:30 pm", twelve), at(1970, 1, 1, 12, 30));  // either case by default
    EXPECT_EQ(parse(L"1:05 PM", twelve), at(1970, 1, 1, 13, 5));
    EXPECT_EQ(at(1970, 1, 1, 0, 7).formatDateTime(twelve), L"12:07 AM");

    Info onDay = format(L"", L"HH:mm");
    onDay.baseTime = at(2030, 6, 15, 18).getMilliseconds();
    onDay.utcOffsetMinutes = 120;
    // 20:00 on the 15th there, so 01:00 is early on the 15th: 23:00 UTC on the 14th.
    EXPECT_EQ(parse(L"01:00", compiled(onDay)), at(2030, 6, 14, 23));

    Info exact = format(L"dd MMM yyyy", L"");
    exact.caseSensitive = true;
    const Groups caseSensitive = compiled(exact);
    EXPECT_EQ(parse(L"03 Mar 2021", caseSensitive), at(2021, 3, 3));
    EXPECT_FALSE(parse(L"03 MAR 2021", caseSensitive).isValid());
    EXPECT_EQ(parse(L"03 MAR 2021", compiled(format(L"dd MMM yyyy", L""))), at(2021, 3, 3));

    // A varying-width hour before fixed minutes is read by the expression, which backtracks.
    const Groups packed = compiled(format(L"", L"Hmm"));
    EXPECT_FALSE(packed.usesDirectMatcher());
    EXPECT_EQ(parse(L"930", packed), at(1970, 1, 1, 9, 30));
    EXPECT_EQ(parse(L"2359", packed), at(1970, 1, 1, 23, 59));

    // Quoted text and escaped characters stand for themselves.
    Groups unquoted;
    EXPECT_FALSE(CProjectTime::buildRegexGroups(format(L"yyyy'y'MM\\MDD", L""), unquoted));
    const Groups literal = compiled(format(L"yyyy'y'MM\\Mdd'.*'", L""));
    EXPECT_EQ(parse(L"2020y05M07.*", literal), at(2020, 5, 7));
    EXPECT_FALSE(parse(L"2020y05M07xx", literal).isValid());
}

TEST(DateTimeFormat, TextsThatNameNoTimeAreRefused) {
    const Groups full = compiled(format(L"dd.MM.yyyy", L"HH:mm:ss"));
    const Groups twelve = compiled(format(L"dd.MM.yyyy", L"hh:mm tt"));
    for (const wchar_t* text :
         {L"31.02.2024 10:00:00", L"29.02.2023 10:00:00", L"00.01.2024 10:00:00",
          L"01.13.2024 10:00:00", L"01.01.2024 24:00:00", L"01.01.2024 10:60:00",
          L"01.01.2024 10:00:60", L"1.01.2024 10:00:00", L"01.01.2024 10:00:00 ",
          L" 01.01.2024 10:00:00", L"", L"01.01.2024", L"01.01.2024T10:00:00",
          L"01.01.2024 10:00:0x", L"٠١.٠١.٢٠٢٤ 10:00:00"}) {
        EXPECT_FALSE(parse(text, full).isValid()) << text;
        EXPECT_FALSE(CProjectTime::parseDateTimeWithExpression(text, full).isValid()) << text;
    }
    EXPECT_EQ(parse(L"29.02.2024 23:59:59", full), at(2024, 2, 29, 23, 59, 59));
    for (const wchar_t* text : {L"01.01.2024 00:00 AM", L"01.01.2024 13:00 PM",
                                L"01.01.2024 10:00 XM", L"01.01.2024 10:00"})
        EXPECT_FALSE(parse(text, twelve).isValid()) << text;
    EXPECT_TRUE(CProjectTime().formatDateTime(full).empty());
    EXPECT_TRUE(at(-5, 1, 1).formatDateTime(full).empty());  // four digits cannot show it
    std::wstring out = L"left over";
    EXPECT_FALSE(CProjectTime(std::numeric_limits<std::int64_t>::max()).formatDateTime(full, out));
    EXPECT_TRUE(out.empty());
}

TEST(DateTimeFormat, FormatsThatBreakTheRulesAreRefusedAndChangeNothing) {
    const Groups before = compiled(format(L"dd.MM.yyyy", L""));
    std::vector<Info> refused = {
        format(L"", L""),                      // no component
        format(L"dd.MM.yyyy", L"HH:mm:ss Q"),  // a letter that names nothing
        format(L"dd.MM.yyy", L""),             // three-digit year
        format(L"ddd.MM.yyyy", L""),           // weekday names are not offered
        format(L"dd.MM.yyyy dd", L""),         // a component twice
        format(L"MM.yyyy", L""),               // part of a date
        format(L"", L"hh:mm"),                 // twelve-hour clock without a designator
        format(L"", L"HH:mm tt"),              // designator on a 24-hour clock
        format(L"", L"mm:ss"),                 // minutes without an hour
        format(L"", L"HH:mm.fff"),             // a fraction without seconds
        format(L"dMyyyy", L""),                // "111" would read two ways
        format(L"dd.MM.yyyy 'open", L""),      // unterminated quote
        format(L"dd.MM.yyyy\\", L""),          // nothing to escape
        format(L"dd.MM.yyyy\n", L""),          // control character
        format(L"", L"hh tt", L"AM"),          // one designator
        format(L"", L"hh tt", L"AM;am"),       // the same designator twice, ignoring case
        format(L"", L"hh tt", L";PM"),         // an empty designator
    };
    Info badYearStart = format(L"dd.MM.yy", L"");
    badYearStart.twoDigitYearStart = 9950;
    refused.push_back(badYearStart);
    Info badOffset = format(L"dd.MM.yyyy", L"");
    badOffset.utcOffsetMinutes = 24 * 60;
    refused.push_back(badOffset);
    Info badLength = format(L"dd.MM.yyyy", L"");
    badLength.maxTextLength = -1;
    refused.push_back(badLength);
    Info badBase = format(L"", L"HH:mm");
    badBase.baseTime = std::numeric_limits<std::int64_t>::max();
    badBase.utcOffsetMinutes = 60;
    refused.push_back(badBase);
    for (const Info& info : refused) {
        Groups groups = before;
        EXPECT_FALSE(CProjectTime::buildRegexGroups(info, groups))
            << info.datePattern.toUtf8() << " | " << info.timePattern.toUtf8();
        EXPECT_EQ(groups.expression(), before.expression());
        EXPECT_EQ(groups.getPattern(), before.getPattern());
    }
}

TEST(DateTimeFormat, HostileFormatsAndTextsAreRefusedOrMatchedQuickly) {
    const auto start = std::chrono::steady_clock::now();
    // Every metacharacter of the expression syntax, repeated to the length limit: all literal.
    std::wstring noise;
    while (noise.size() + 40 <= Info::s_maxPatternLength) noise += L"(.*)+?[^$]{2,}|\\\\/-,:";
    const Groups metachars = compiled(format(L"yyyy-MM-dd", noise.c_str()));
    std::wstring expected = L"2021-07-04 ";
    for (std::size_t i = 0; i < noise.size(); ++i) {
        if (noise[i] == L'\\') ++i;  // an escape stands for the character after it
        expected += noise[i];
    }
    EXPECT_EQ(at(2021, 7, 4).formatDateTime(metachars), expected);
    EXPECT_EQ(parse(expected, metachars), at(2021, 7, 4));
    EXPECT_EQ(CProjectTime::parseDateTimeWithExpression(expected, metachars), at(2021, 7, 4));
    EXPECT_FALSE(parse(expected + L"x", metachars).isValid());

    // Literal text that invites backtracking in a careless expression: many optional-looking
    // pieces and a near miss at the end.
    std::wstring repeated;
    for (int i = 0; i < 20; ++i) repeated += L"a?a*";
    const Groups backtracking = compiled(format(L"dd.MM.yyyy", (L"'" + repeated + L"'").c_str()));
    EXPECT_FALSE(CProjectTime::parseDateTimeWithExpression(
                     L"01.01.2020 " + std::wstring(repeated.size(), L'a'), backtracking)
                     .isValid());

    Groups untouched;
    const std::wstring tooLong(Info::s_maxPatternLength + 1, L'-');
    EXPECT_FALSE(CProjectTime::buildRegexGroups(format(tooLong.c_str(), L"HH"), untouched));
    const std::wstring huge(1 << 20, L'd');
    EXPECT_FALSE(CProjectTime::buildRegexGroups(format(huge.c_str(), L""), untouched));
    EXPECT_FALSE(
        CProjectTime::buildRegexGroups(format(L"dd.MM.yyyy", L"HH", huge.c_str()), untouched));
    EXPECT_FALSE(untouched.hasExpression());

    // A huge text is refused by its length before either matcher sees it.
    const Groups plain = compiled(format(L"dd.MM.yyyy", L"HH:mm"));
    const std::wstring hugeText = L"01.01.2020 10:00" + std::wstring(1 << 22, L'0');
    EXPECT_FALSE(parse(hugeText, plain).isValid());
    EXPECT_FALSE(CProjectTime::parseDateTimeWithExpression(hugeText, plain).isValid());
    Info capped = format(L"dd.MM.yyyy", L"HH:mm");
    capped.maxTextLength = 10;
    EXPECT_FALSE(parse(L"01.01.2020 10:00", compiled(capped)).isValid());

    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count(), 5);
}

}  // namespace
