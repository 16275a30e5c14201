// What every benchmark program shares: the object count, reproducible random IDs and links,
// best-of timing and the comparison table each program prints after its Google Benchmark run.
//
// Every program first runs its registered benchmarks (the usual Google Benchmark output, with a
// short default --benchmark_min_time so that CI can afford one run), then times the pairs it
// compares once more, best of a few repetitions each in thread CPU time, and prints one line per
// comparison: the ratio, the target and OK or MISSED. Best-of CPU time is what keeps the ratios
// stable on a machine shared with builds; the Google Benchmark figures are means (compare its CPU
// column) and can differ a little.
//
// Freed memory stays in the process (glibc's trimming and its mmap of large blocks are turned
// off), so a repetition reuses the memory the one before freed, as a host does when it loads a
// second project, instead of faulting in fresh pages. Page faults cost the same whoever touches
// new memory, but their price differs by two orders of magnitude between machines (over 10 us
// each in some sandboxes, where they swamp every figure at a million objects), so the
// comparisons measure the code on a warm heap. Each timed row shows the page faults of its best
// run.
//
// Options (the rest go to Google Benchmark):
//   ZX_BENCH_N=<n> or --zx_n=<n>   objects per container, 100,000 by default
//   --zx_table_only                skip the Google Benchmark run, print only the comparisons
//   ZX_BENCH_STRICT=1              exit with status 1 when a target is missed
//   ZX_BENCH_COLD_HEAP=1           keep the allocator's defaults (fresh pages for large blocks)
#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "basetypes/CIDBase.h"
#include "basetypes/CZentrixArchive.h"
#include "schedule/CLink.h"

namespace zxbench {

inline std::size_t& objectCountStorage() {
    static std::size_t n = 100'000;
    return n;
}
// The number of objects each benchmark works on.
inline std::size_t objectCount() { return objectCountStorage(); }

inline bool& tableOnlyStorage() {
    static bool tableOnly = false;
    return tableOnly;
}

inline bool environmentFlag(const char* name) {
    const char* value = std::getenv(name);
    return value && std::strcmp(value, "1") == 0;
}

// Reads our own options and hands the rest to Google Benchmark. Call first; build the fixtures
// after it (N is known then) and before runGoogleBenchmarks, so that no benchmark times them.
inline void initialize(int argc, char** argv) {
#if defined(__GLIBC__)
    if (!environmentFlag("ZX_BENCH_COLD_HEAP")) {
        mallopt(M_MMAP_THRESHOLD, 1 << 30);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
#endif
    if (const char* env = std::getenv("ZX_BENCH_N"); env && *env)
        objectCountStorage() = std::strtoull(env, nullptr, 10);
    // Our default minimum time comes first so that a --benchmark_min_time given by the caller,
    // parsed later, wins.
    static char defaultMinTime[] = "--benchmark_min_time=0.1";
    std::vector<char*> args{argv[0], defaultMinTime};
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--zx_n=", 7) == 0)
            objectCountStorage() = std::strtoull(argv[i] + 7, nullptr, 10);
        else if (std::strcmp(argv[i], "--zx_table_only") == 0)
            tableOnlyStorage() = true;
        else
            args.push_back(argv[i]);
    }
    if (objectCount() < 2) objectCountStorage() = 2;
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) std::exit(2);
    std::printf("N = %zu objects\n", objectCount());
    std::fflush(stdout);
}

// Runs the registered benchmarks unless only the table was asked for.
inline void runGoogleBenchmarks() {
    if (!tableOnlyStorage()) benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
}

// Reproducible random IDs: the same seed gives the same IDs in every program.
class RandomIDs {
public:
    explicit RandomIDs(std::uint64_t seed = 0x5EED'2026) : m_random(seed) {}
    GUID guid() {
        GUID g;
        const std::uint64_t a = m_random(), b = m_random();
        std::memcpy(g.data(), &a, 8);
        std::memcpy(g.data() + 8, &b, 8);
        return g;
    }
    std::uint64_t next() { return m_random(); }

private:
    std::mt19937_64 m_random;
};

// A link with a random ID, upstream task, delay calendar, type and delay.
inline CLink randomLink(RandomIDs& random) {
    CLink link;
    link.setID(CLinkID(random.guid()));
    link.setUpstreamTaskID(CTaskID(random.guid()));
    link.setDelayCalendarID(CCalendarID(random.guid()));
    link.setType(static_cast<LinkType>(random.next() % CLinkType::s_count));
    link.setDelay(CProjectDuration(static_cast<std::int64_t>(random.next() % 48) * 3'600'000));
    return link;
}

// N links in random ID order, added without sorting; the caller decides when to sort.
inline void fillLinks(CLinkArray& links, std::size_t n, std::uint64_t seed = 0x5EED'2026) {
    RandomIDs random(seed);
    links.Reserve(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) links.AddNoSort(randomLink(random));
}

// CPU time of the calling thread, in seconds. The comparisons use it rather than wall-clock time
// because the machines that run them are shared: time spent waiting for a core is not ours.
inline double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Minor page faults of the calling thread so far.
inline long threadPageFaults() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

// Pushes what a timed run reads out of the caches, by writing over a buffer twice the size of
// the largest cache: comparisons with memcpy then set a load against a copy that also starts
// from memory, not against a copy of bytes the previous repetition left in the last-level cache.
inline void evictCaches() {
    static std::vector<unsigned char> sweep = [] {
        long largest = sysconf(_SC_LEVEL3_CACHE_SIZE);
        if (largest <= 0) largest = sysconf(_SC_LEVEL2_CACHE_SIZE);
        const std::size_t bytes = 2 * static_cast<std::size_t>(std::max(largest, 32L << 20));
        return std::vector<unsigned char>(bytes);
    }();
    static unsigned char round = 0;
    ++round;
    for (std::size_t i = 0; i < sweep.size(); i += 64) sweep[i] = round;
    benchmark::ClobberMemory();
}

// The fastest of several timed runs: its thread CPU seconds and its page faults.
struct Timing {
    double seconds = std::numeric_limits<double>::infinity();
    long pageFaults = 0;
};

// Has the allocator sort out the blocks freed so far. glibc keeps small freed blocks on lists
// that the next large request merges in one sweep, so without this a run that follows the
// destruction of millions of objects would pay for their frees in its first allocation.
inline void settleFreedMemory() {
#if defined(__GLIBC__)
    // Above the thread cache's largest size and in the large bins, so it takes the sweep.
    constexpr std::size_t kLargeRequest = 4096;
    void* block = std::malloc(kLargeRequest);
    benchmark::DoNotOptimize(block);
    std::free(block);
#endif
}

// Times `repetitions` runs of body and keeps the fastest. setup runs before each run and is not
// timed; it also destroys what the previous run built, so frees are not timed either (nor the
// allocator's deferred work on them: settleFreedMemory).
template <class Setup, class Body>
Timing best(int repetitions, Setup&& setup, Body&& body) {
    Timing fastest;
    for (int r = 0; r < repetitions; ++r) {
        setup();
        settleFreedMemory();
        const long faults = threadPageFaults();
        const double start = threadSeconds();
        body();
        const double seconds = threadSeconds() - start;
        if (seconds < fastest.seconds) fastest = {seconds, threadPageFaults() - faults};
    }
    return fastest;
}
template <class Body>
Timing best(int repetitions, Body&& body) {
    return best(
        repetitions, [] {}, body);
}

// Repetitions for the comparison timings: enough for a stable best, few enough for CI.
inline int comparisonRepetitions() { return objectCount() >= 1'000'000 ? 4 : 7; }

// The comparison table printed at the end of each program.
class ComparisonTable {
public:
    explicit ComparisonTable(std::string title) : m_title(std::move(title)) {}

    // A measured time, in total and per object.
    void time(const std::string& label, const Timing& t, std::size_t objects) {
        char line[200];
        std::snprintf(
            line, sizeof line, "  %-42s %9.3f ms  %7.1f ns/object  %7.2f M objects/s  %6ld faults",
            label.c_str(), t.seconds * 1e3, t.seconds * 1e9 / static_cast<double>(objects),
            static_cast<double>(objects) / t.seconds / 1e6, t.pageFaults);
        m_lines.push_back(line);
    }
    // A measured throughput in bytes and in objects.
    void throughput(const std::string& label, const Timing& t, std::size_t bytes,
                    std::size_t objects) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "  %-42s %9.3f ms  %8.1f MB/s  %7.2f M objects/s  %6ld faults", label.c_str(),
                      t.seconds * 1e3, static_cast<double>(bytes) / t.seconds / 1e6,
                      static_cast<double>(objects) / t.seconds / 1e6, t.pageFaults);
        m_lines.push_back(line);
    }
    void note(const std::string& text) { m_lines.push_back("  " + text); }
    // "a / b = 1.21x (target <= 1.5x): OK".
    void atMost(const std::string& label, double ratio, double limit) {
        verdict(label, ratio, "<=", limit, ratio <= limit);
    }
    void atLeast(const std::string& label, double ratio, double limit) {
        verdict(label, ratio, ">=", limit, ratio >= limit);
    }
    void skipped(const std::string& label, const std::string& why) {
        m_lines.push_back("  " + label + ": skipped (" + why + ")");
    }

    // Prints the table; returns the exit status (1 for a missed target under ZX_BENCH_STRICT=1).
    int print() const {
        std::printf("\n== %s (N = %zu) ==\n", m_title.c_str(), objectCount());
        for (const auto& line : m_lines) std::printf("%s\n", line.c_str());
        if (m_missed == 0)
            std::printf("  all targets met\n");
        else
            std::printf("  %d target(s) MISSED\n", m_missed);
        std::fflush(stdout);
        return m_missed != 0 && environmentFlag("ZX_BENCH_STRICT") ? 1 : 0;
    }

private:
    void verdict(const std::string& label, double ratio, const char* relation, double limit,
                 bool ok) {
        char line[200];
        std::snprintf(line, sizeof line, "  %-42s = %6.2fx (target %s %.4gx): %s", label.c_str(),
                      ratio, relation, limit, ok ? "OK" : "MISSED");
        m_lines.push_back(line);
        if (!ok) ++m_missed;
    }

    std::string m_title;
    std::vector<std::string> m_lines;
    int m_missed = 0;
};

// Saving and loading one serializable T (a root, a container, a project) through memory, as Google
// benchmarks ("save <what>", "load <what>") and as best-of timings beside memcpy of the same bytes.
template <class T>
std::size_t saveToMemory(T& object) {
    CZentrixArchive out;
    object.Serialize(out);
    return out.storedBytes().size();
}
template <class T>
void loadFromMemory(std::span<const std::byte> bytes, T& into) {
    CZentrixArchive in{bytes};
    into.Serialize(in);
}
template <class T>
std::vector<std::byte> savedBytes(T& object) {
    CZentrixArchive out;
    object.Serialize(out);
    return out.takeStoredBytes();
}

// The object and its saved bytes must outlive the benchmark run.
template <class T>
void registerSaveAndLoad(const std::string& what, T& object, const std::vector<std::byte>& bytes,
                         std::int64_t items) {
    benchmark::RegisterBenchmark(("save " + what).c_str(), [&object,
                                                            items](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(saveToMemory(object));
        state.SetItemsProcessed(state.iterations() * items);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("load " + what).c_str(), [&bytes,
                                                            items](benchmark::State& state) {
        std::optional<T> back;
        for (auto _ : state) {
            state.PauseTiming();
            back.emplace();
            state.ResumeTiming();
            loadFromMemory(bytes, *back);
        }
        state.SetItemsProcessed(state.iterations() * items);
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    })->Unit(benchmark::kMillisecond);
}

struct SaveLoadTimings {
    Timing saved;
    Timing loaded;
    Timing copied;
};

// The fastest of reps loads into a fresh T, each starting with the caches swept (so that the
// bytes come from memory, as they would from a file read earlier) and the previous load freed
// untimed. load(T&) fills the object.
template <class T, class Load>
Timing bestColdLoad(int reps, const Load& load) {
    std::optional<T> back;
    return best(
        reps,
        [&] {
            back.emplace();
            evictCaches();
        },
        [&] { load(*back); });
}

// The fastest of reps copies of bytes by memcpy, from the caches swept as for a cold load: the
// ceiling of any loader of those bytes.
inline Timing bestColdCopy(int reps, std::span<const std::byte> bytes) {
    std::vector<std::byte> target(bytes.size());
    return best(reps, evictCaches, [&] {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    });
}

// Best-of timings of saving the object, loading its bytes into a fresh T and memcpy of the bytes.
template <class T>
SaveLoadTimings timeSaveAndLoad(T& object, const std::vector<std::byte>& bytes) {
    const int reps = comparisonRepetitions();
    SaveLoadTimings t;
    t.saved = best(reps, [&] { benchmark::DoNotOptimize(saveToMemory(object)); });
    t.loaded = bestColdLoad<T>(reps, [&](T& back) { loadFromMemory(bytes, back); });
    t.copied = bestColdCopy(reps, bytes);
    return t;
}

// The table's rows for those timings: the archive's size, save, load, memcpy and the load's share
// of memcpy's bandwidth.
inline void addSaveAndLoadRows(ComparisonTable& table, const SaveLoadTimings& t, std::size_t bytes,
                               std::size_t objects, const char* objectName) {
    char line[160];
    std::snprintf(line, sizeof line, "%zu %s, %zu bytes (%.1f bytes each)", objects, objectName,
                  bytes, static_cast<double>(bytes) / static_cast<double>(objects));
    table.note(line);
    table.throughput("save", t.saved, bytes, objects);
    table.throughput("load", t.loaded, bytes, objects);
    table.throughput("memcpy of the archive's bytes", t.copied, bytes, objects);
    std::snprintf(line, sizeof line, "load runs at %.1f%% of memcpy's bandwidth",
                  100.0 * t.copied.seconds / t.loaded.seconds);
    table.note(line);
}

// Stops the program when a benchmark's own result check fails: a fast wrong answer is no result.
inline void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "benchmark check failed: %s\n", what);
    std::exit(3);
}

}  // namespace zxbench
