// Presentation maps: looking up a task's presentation by ID in a map of 1,000,000, against a
// binary search over a sorted vector of the same IDs. The map keeps its entries in one vector in
// ID order, so a lookup is that binary search plus the copy of the presentation found.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "presentation/CPresentationMaps.h"

namespace {

constexpr std::size_t kEntries = 1'000'000;

struct Fixture {
    std::vector<CTaskID> sorted;
    // The same IDs in a random order: the lookups' order.
    std::vector<CTaskID> queries;
    CTaskPresentationMap map;
};

Fixture& fixture() {
    static Fixture f = [] {
        Fixture f;
        std::mt19937_64 random(11);
        f.sorted.resize(kEntries);
        for (CTaskID& id : f.sorted) {
            GUID guid;
            for (auto& byte : guid) byte = static_cast<std::uint8_t>(random());
            id = CTaskID(guid);
        }
        std::sort(f.sorted.begin(), f.sorted.end());
        f.sorted.erase(std::unique(f.sorted.begin(), f.sorted.end()), f.sorted.end());
        // Ascending inserts append: building the map is linear.
        CTaskPresentation presentation;
        for (const CTaskID& id : f.sorted) f.map.SetAt(id, presentation);
        f.queries = f.sorted;
        std::shuffle(f.queries.begin(), f.queries.end(), random);
        return f;
    }();
    return f;
}

std::size_t lookUpAll(const Fixture& f) {
    std::size_t found = 0;
    CTaskPresentation presentation;
    for (const CTaskID& id : f.queries) found += f.map.Lookup(id, presentation);
    benchmark::DoNotOptimize(presentation);
    return found;
}

std::size_t searchAll(const Fixture& f) {
    std::size_t found = 0;
    for (const CTaskID& id : f.queries) {
        const auto at = std::lower_bound(f.sorted.begin(), f.sorted.end(), id);
        found += at != f.sorted.end() && *at == id;
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const Fixture& f = fixture();
    zxbench::require(lookUpAll(f) == f.sorted.size(), "every ID is found in the map");
    zxbench::require(searchAll(f) == f.sorted.size(), "every ID is found in the vector");
    benchmark::RegisterBenchmark("presentation map lookups", [&f](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(lookUpAll(f));
    });
    benchmark::RegisterBenchmark("sorted vector searches", [&f](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(searchAll(f));
    });
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing map =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(lookUpAll(f)); });
    const zxbench::Timing vector =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(searchAll(f)); });
    zxbench::ComparisonTable table("presentation maps: lookups among 1,000,000 task presentations");
    table.time("map Lookup", map, f.queries.size());
    table.time("binary search of a sorted vector", vector, f.queries.size());
    table.atMost("map / sorted vector", map.seconds / vector.seconds, 1.5);
    return table.print();
}
