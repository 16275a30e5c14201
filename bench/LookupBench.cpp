// Lookup by ID in the keyed container: findByID of present IDs, probed in random order, and what
// its hash side index costs in memory and in loading.
//
// Compared with std::lower_bound over a sorted std::vector<CIDBase> of the same IDs (the least a
// sorted index can cost) and with std::map<CIDBase, const CLink*>::find (the node-based
// alternative). Targets: among N objects findByID at most 0.5x the time of lower_bound and at
// least 2x faster than the map; among 1,000 no slower than lower_bound (where a binary search is
// cheap); the side index at most 32 bytes per object; a load that builds it at most 15% slower
// than one that does not (the same container with its index switched off).
#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <vector>

#include "BenchSupport.h"

namespace {

struct Lookups {
    CLinkArray links;
    std::vector<CIDBase> sortedIDs;
    std::map<CIDBase, const CLink*> byID;
    // Every present ID once, shuffled so that consecutive probes share no cache lines.
    std::vector<CIDBase> probes;

    explicit Lookups(std::size_t n) {
        zxbench::fillLinks(links, n);
        links.sort();
        sortedIDs.reserve(n);
        for (int i = 0; i < links.GetSize(); ++i) {
            sortedIDs.push_back(links.getID(i));
            byID.emplace(links.getID(i), &links.getConstReference(i));
        }
        std::sort(sortedIDs.begin(), sortedIDs.end());
        probes = sortedIDs;
        zxbench::RandomIDs random(7);
        std::shuffle(probes.begin(), probes.end(), std::mt19937_64(random.next()));
    }
};

const Lookups& lookups() {
    static const Lookups instance(zxbench::objectCount());
    return instance;
}

constexpr std::size_t kSmall = 1000;
const Lookups& smallLookups() {
    static const Lookups instance(kSmall);
    return instance;
}

// Each returns a sum over the results so that no lookup can be optimised away and the answers
// can be checked.
std::int64_t findAllByID(const Lookups& f) {
    std::int64_t sum = 0;
    for (const CIDBase& id : f.probes) sum += f.links.findByID(id);
    return sum;
}
std::int64_t findAllLowerBound(const Lookups& f) {
    std::int64_t sum = 0;
    const auto begin = f.sortedIDs.begin(), end = f.sortedIDs.end();
    for (const CIDBase& id : f.probes) {
        const auto it = std::lower_bound(begin, end, id);
        sum += it != end && *it == id ? it - begin : -1;
    }
    return sum;
}
std::int64_t findAllInMap(const Lookups& f) {
    std::int64_t sum = 0;
    for (const CIDBase& id : f.probes) {
        const auto it = f.byID.find(id);
        sum += it != f.byID.end() ? 1 : -1;
    }
    return sum;
}

// The same container with no hash index at any size: lookups scan the keys.
using ScanningLinkArray =
    CUniqueObjectPointerArray<ILink, CLink, CLinkID, std::numeric_limits<int>::max()>;
// And one that keeps a hash index at every size.
using HashedLinkArray = CUniqueObjectPointerArray<ILink, CLink, CLinkID, 1>;

template <class Array>
zxbench::Timing timeLoad(Array& into, const std::vector<std::byte>& bytes, int reps) {
    return zxbench::best(
        reps, [&] { into.RemoveAll(); },
        [&] {
            CZentrixArchive in(bytes);
            into.Serialize(in);
        });
}

// Lookups in small containers with and without the hash index, to show where the threshold
// belongs: rows only, no target.
template <class Array>
double nanosecondsPerLookup(std::size_t size, int reps) {
    CLinkArray links;
    zxbench::fillLinks(links, size, 99);
    Array array;
    for (int i = 0; i < links.GetSize(); ++i) (void)array.Add(links.getConstReference(i));
    std::vector<CIDBase> probes;
    for (int i = 0; i < links.GetSize(); ++i) probes.push_back(links.getID(i));
    std::shuffle(probes.begin(), probes.end(), std::mt19937_64(size));
    const int passes = static_cast<int>(200'000 / size);
    const zxbench::Timing t = zxbench::best(reps, [&] {
        std::int64_t sum = 0;
        for (int p = 0; p < passes; ++p)
            for (const CIDBase& id : probes) sum += array.findByID(id);
        benchmark::DoNotOptimize(sum);
    });
    return t.seconds * 1e9 / static_cast<double>(passes) / static_cast<double>(size);
}
void crossover(zxbench::ComparisonTable& table, int reps) {
    for (const std::size_t size : {4, 8, 16, 32, 64}) {
        char line[160];
        std::snprintf(line, sizeof line, "among %2zu: %5.1f ns scanning the keys, %5.1f ns hashed",
                      size, nanosecondsPerLookup<ScanningLinkArray>(size, reps),
                      nanosecondsPerLookup<HashedLinkArray>(size, reps));
        table.note(line);
    }
}

template <std::int64_t (*Find)(const Lookups&)>
void lookupBenchmark(benchmark::State& state) {
    const Lookups& f = lookups();
    for (auto _ : state) benchmark::DoNotOptimize(Find(f));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.probes.size()));
}
BENCHMARK(lookupBenchmark<findAllByID>)->Name("findByID")->Unit(benchmark::kMillisecond);
BENCHMARK(lookupBenchmark<findAllLowerBound>)
    ->Name("lower_bound(vector<CIDBase>)")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(lookupBenchmark<findAllInMap>)
    ->Name("map<CIDBase,T*>::find")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const Lookups& f = lookups();
    const auto n = static_cast<std::int64_t>(f.probes.size());
    // Every probe is present: positions and indices are permutations of 0..n-1.
    zxbench::require(findAllByID(f) == n * (n - 1) / 2, "findByID finds every ID");
    zxbench::require(findAllLowerBound(f) == n * (n - 1) / 2, "lower_bound finds every ID");
    zxbench::require(findAllInMap(f) == n, "map finds every ID");
    const auto m = static_cast<std::int64_t>(kSmall);
    zxbench::require(findAllByID(smallLookups()) == m * (m - 1) / 2, "findByID finds every ID");
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing byID =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(findAllByID(f)); });
    const zxbench::Timing lowerBound =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(findAllLowerBound(f)); });
    const zxbench::Timing inMap =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(findAllInMap(f)); });

    // Among a thousand objects a pass is a few microseconds: each timing repeats it.
    const Lookups& small = smallLookups();
    constexpr int kSmallPasses = 200;
    const zxbench::Timing smallByID = zxbench::best(reps, [&] {
        for (int p = 0; p < kSmallPasses; ++p) benchmark::DoNotOptimize(findAllByID(small));
    });
    const zxbench::Timing smallLowerBound = zxbench::best(reps, [&] {
        for (int p = 0; p < kSmallPasses; ++p) benchmark::DoNotOptimize(findAllLowerBound(small));
    });

    // Loading with and without the side index: the same records into the container as it is and
    // into one whose index threshold is out of reach.
    CZentrixArchive out;
    CLinkArray toSave(f.links);
    toSave.Serialize(out);
    const std::vector<std::byte> bytes = out.takeStoredBytes();
    CLinkArray loaded;
    const zxbench::Timing load = timeLoad(loaded, bytes, reps);
    ScanningLinkArray loadedWithout;
    const zxbench::Timing loadWithout = timeLoad(loadedWithout, bytes, reps);

    zxbench::ComparisonTable table("lookup by ID, random present IDs");
    table.time("findByID", byID, f.probes.size());
    table.time("std::lower_bound over vector<CIDBase>", lowerBound, f.probes.size());
    table.time("std::map<CIDBase, T*>::find", inMap, f.probes.size());
    table.time("findByID among 1,000", smallByID, kSmallPasses * kSmall);
    table.time("std::lower_bound among 1,000", smallLowerBound, kSmallPasses * kSmall);
    table.time("load (builds the side index)", load, f.probes.size());
    table.time("load without the side index", loadWithout, f.probes.size());
    // Where the data sits decides these ratios: the map's nodes stay in a large last-level cache
    // at a hundred thousand objects and spill to memory at a million.
    char footprint[200];
    std::snprintf(footprint, sizeof footprint,
                  "searched data: %.1f MB of sorted keys; map: about %.1f MB of nodes; side "
                  "index: %.1f MB",
                  static_cast<double>(n) * sizeof(CIDBase) / 1e6,
                  static_cast<double>(n) * (32 + sizeof(CIDBase) + sizeof(void*)) / 1e6,
                  static_cast<double>(f.links.hashIndexBytes()) / 1e6);
    table.note(footprint);
    table.atMost("findByID / lower_bound", byID.seconds / lowerBound.seconds, 0.5);
    table.atLeast("map::find / findByID (speed-up over map)", inMap.seconds / byID.seconds, 2.0);
    table.atMost("findByID / lower_bound among 1,000", smallByID.seconds / smallLowerBound.seconds,
                 1.0);
    table.atMost("side index bytes per object",
                 static_cast<double>(loaded.hashIndexBytes()) / static_cast<double>(n), 32.0);
    table.atMost("load / load without the side index", load.seconds / loadWithout.seconds, 1.15);
    crossover(table, reps);
    return table.print();
}
