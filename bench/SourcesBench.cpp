// Another project's ID maps: adding internal-to-external ID pairs in batches of 10,000, a tenth
// of the pairs against all of them. Each batch is judged whole and both sets are sorted once per
// batch, so the cost of a batch grows with the sets it joins.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "sources/CZentrixProject.h"

namespace {

constexpr int kBatch = 10'000;

// Batches of random, distinct pairs, reproducible from the seed.
std::vector<std::map<CIDBase, CIDBase>> batches(int pairs, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    const auto id = [&] {
        GUID guid;
        for (auto& byte : guid) byte = static_cast<std::uint8_t>(random());
        return CIDBase(guid);
    };
    std::vector<std::map<CIDBase, CIDBase>> out(static_cast<std::size_t>(pairs / kBatch));
    for (auto& batch : out)
        while (static_cast<int>(batch.size()) < kBatch) batch.emplace(id(), id());
    return out;
}

bool addAll(const std::vector<std::map<CIDBase, CIDBase>>& input) {
    CZentrixProject maps;
    bool ok = true;
    for (const auto& batch : input) ok &= maps.addMultipleToMap(batch, CZentrixProject::dtTask);
    benchmark::DoNotOptimize(maps);
    return ok && maps.getInternalTaskIDs().GetSize() == static_cast<int>(input.size()) * kBatch;
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const int large = 1'000'000;
    const int small = large / 10;
    const auto all = batches(large, 1);
    const auto tenth = batches(small, 2);
    zxbench::require(addAll(tenth), "every batch of the tenth is added");
    benchmark::RegisterBenchmark("addMultipleToMap 100,000 pairs", [&](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(addAll(tenth));
    });
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing tenthTime =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(addAll(tenth)); });
    // Twice, so that neither size is timed on its first run alone, which takes the heap's pages
    // from the system.
    const zxbench::Timing allTime =
        zxbench::best(2, [&] { benchmark::DoNotOptimize(addAll(all)); });

    zxbench::ComparisonTable table("sources: ID map batches of 10,000 pairs");
    table.time("add 100,000 pairs", tenthTime, small);
    table.time("add 1,000,000 pairs", allTime, large);
    table.atMost("1,000,000 / 100,000 pairs", allTime.seconds / tenthTime.seconds, 12.0);
    return table.print();
}
