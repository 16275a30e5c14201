// Date-time text: reading N texts "dd.MM.yyyy HH:mm:ss" with one compiled format against
// std::get_time on the same texts (one std::wistringstream reused, classic locale), and writing N
// times in that format against gmtime_r + strftime. Targets: reading at least half the speed of
// std::get_time, writing at least as fast as strftime.
//
// The format lets CProjectTime::parseDateTime use its direct matcher (the steps walked over the
// text, no backtracking); that is the path the target measures. Reading through the compiled
// std::wregex (parseDateTimeWithExpression, what formats the direct matcher cannot read exactly
// take) is timed on up to 50,000 of the texts and shown for information.
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "timeformat/DateTimeFormat.h"

namespace {

constexpr std::size_t kExpressionTexts = 50'000;

struct Texts {
    CProjectTime::DateTimeRegexGroups groups;
    std::vector<CProjectTime> times;
    std::vector<std::wstring> texts;
    std::vector<std::int64_t> parsed;
    std::wistringstream stream;

    Texts() {
        CProjectTime::DateTimeFormatInfo info;
        info.datePattern = L"dd.MM.yyyy";
        info.timePattern = L"HH:mm:ss";
        zxbench::require(CProjectTime::buildRegexGroups(info, groups), "the format compiles");
        zxbench::require(groups.usesDirectMatcher(), "the format takes the direct matcher");
        stream.imbue(std::locale::classic());
        // Whole seconds from 1970 to 2037, so that time_t and timegm hold every one.
        zxbench::RandomIDs random(7);
        const std::size_t n = zxbench::objectCount();
        for (std::size_t i = 0; i < n; ++i) {
            const CProjectTime time(static_cast<std::int64_t>(random.next() % 2'100'000'000) *
                                    1000);
            times.push_back(time);
            texts.push_back(time.formatDateTime(groups));
        }
        parsed.resize(n);
    }
};

Texts& fixture() {
    static Texts instance;
    return instance;
}

void parseAll(Texts& f) {
    for (std::size_t i = 0; i < f.texts.size(); ++i)
        f.parsed[i] = CProjectTime::parseDateTime(f.texts[i], f.groups).getMilliseconds();
}

void parseAllWithExpression(Texts& f, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        f.parsed[i] =
            CProjectTime::parseDateTimeWithExpression(f.texts[i], f.groups).getMilliseconds();
}

std::tm getTime(std::wistringstream& stream, const std::wstring& text) {
    stream.clear();
    stream.str(text);
    std::tm tm{};
    stream >> std::get_time(&tm, L"%d.%m.%Y %H:%M:%S");
    if (stream.fail()) tm.tm_year = -1;
    return tm;
}

// The fields get_time filled, folded into a number, so that none of the work is dropped.
void getTimeAll(Texts& f) {
    for (std::size_t i = 0; i < f.texts.size(); ++i) {
        const std::tm tm = getTime(f.stream, f.texts[i]);
        f.parsed[i] =
            ((((tm.tm_year * 12LL + tm.tm_mon) * 31 + tm.tm_mday) * 24 + tm.tm_hour) * 60 +
             tm.tm_min) *
                60 +
            tm.tm_sec;
    }
}

std::size_t formatAll(const Texts& f) {
    std::wstring text;
    std::size_t total = 0;
    for (const CProjectTime& time : f.times) {
        (void)time.formatDateTime(f.groups, text);
        total += text.size();
    }
    return total;
}

std::size_t strftimeAll(const Texts& f) {
    char text[64];
    std::size_t total = 0;
    for (const CProjectTime& time : f.times) {
        const time_t seconds = static_cast<time_t>(time.getMilliseconds() / 1000);
        std::tm tm{};
        gmtime_r(&seconds, &tm);
        total += std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &tm);
        benchmark::DoNotOptimize(text);
    }
    return total;
}

void check(Texts& f) {
    parseAll(f);
    for (std::size_t i = 0; i < f.times.size(); ++i)
        zxbench::require(f.parsed[i] == f.times[i].getMilliseconds(), "texts read back");
    const std::size_t some = std::min(f.texts.size(), kExpressionTexts);
    parseAllWithExpression(f, some);
    for (std::size_t i = 0; i < some; ++i)
        zxbench::require(f.parsed[i] == f.times[i].getMilliseconds(),
                         "texts read back through the expression");
    for (std::size_t i = 0; i < std::min<std::size_t>(f.texts.size(), 10'000); ++i) {
        std::tm tm = getTime(f.stream, f.texts[i]);
        zxbench::require(
            static_cast<std::int64_t>(timegm(&tm)) * 1000 == f.times[i].getMilliseconds(),
            "std::get_time reads the same times");
    }
    char text[64];
    const time_t seconds = static_cast<time_t>(f.times[0].getMilliseconds() / 1000);
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &tm);
    zxbench::require(CString(f.texts[0]).toUtf8() == text, "strftime writes the same text");
}

void parseBenchmark(benchmark::State& state) {
    Texts& f = fixture();
    for (auto _ : state) parseAll(f);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.texts.size()));
}
void getTimeBenchmark(benchmark::State& state) {
    Texts& f = fixture();
    for (auto _ : state) getTimeAll(f);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.texts.size()));
}
void expressionBenchmark(benchmark::State& state) {
    Texts& f = fixture();
    const std::size_t some = std::min(f.texts.size(), kExpressionTexts);
    for (auto _ : state) parseAllWithExpression(f, some);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(some));
}
void formatBenchmark(benchmark::State& state) {
    const Texts& f = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(formatAll(f));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.times.size()));
}
void strftimeBenchmark(benchmark::State& state) {
    const Texts& f = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(strftimeAll(f));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.times.size()));
}
BENCHMARK(parseBenchmark)->Name("parseDateTime (direct matcher)")->Unit(benchmark::kMillisecond);
BENCHMARK(getTimeBenchmark)->Name("std::get_time")->Unit(benchmark::kMillisecond);
BENCHMARK(expressionBenchmark)
    ->Name("parseDateTimeWithExpression (std::wregex, up to 50,000 texts)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(formatBenchmark)->Name("formatDateTime")->Unit(benchmark::kMillisecond);
BENCHMARK(strftimeBenchmark)->Name("gmtime_r + strftime")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Texts& f = fixture();
    const std::size_t n = f.texts.size();
    check(f);
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const std::size_t some = std::min(n, kExpressionTexts);
    const zxbench::Timing parsed = zxbench::best(reps, [&] { parseAll(f); });
    const zxbench::Timing getTimes = zxbench::best(reps, [&] { getTimeAll(f); });
    const zxbench::Timing expression =
        zxbench::best(reps, [&] { parseAllWithExpression(f, some); });
    const zxbench::Timing formatted =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(formatAll(f)); });
    const zxbench::Timing strftimes =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(strftimeAll(f)); });

    zxbench::ComparisonTable table("date-time text: one compiled format \"dd.MM.yyyy HH:mm:ss\"");
    table.time("parseDateTime (direct matcher)", parsed, n);
    table.time("std::get_time", getTimes, n);
    table.time("parseDateTimeWithExpression (std::wregex)", expression, some);
    table.time("formatDateTime", formatted, n);
    table.time("gmtime_r + strftime", strftimes, n);
    table.atLeast("parse speed / std::get_time speed", getTimes.seconds / parsed.seconds, 0.5);
    table.atLeast("format speed / strftime speed", strftimes.seconds / formatted.seconds, 1.0);
    char line[160];
    std::snprintf(line, sizeof line,
                  "through std::wregex: %.2fx the speed of std::get_time (no target)",
                  getTimes.seconds / static_cast<double>(n) /
                      (expression.seconds / static_cast<double>(some)));
    table.note(line);
    return table.print();
}
