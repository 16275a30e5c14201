// Building the keyed container in bulk: AddNoSort of N links in random ID order, then sort().
//
// sort() alone is compared with std::sort of the same IDs as a std::vector<CIDBase> (the cost of
// ordering the keys and nothing else); target: sort() at most 2x std::sort. The whole build
// (copies of N links appended, then sort()) is reported beside it.
//
// Loading takes the ordered index as stored instead of sorting again. To show it, the same
// archive is loaded twice: as written, and with two stored index entries swapped, which makes the
// loader refuse the stored index and rebuild it by sorting. The difference between the two loads
// is the sort that a normal load does not do.
#include <algorithm>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "BenchSupport.h"

namespace {

struct Sorting {
    // Filled in random ID order; sort() runs on it again and again after discardSorting().
    CLinkArray links;
    // The same IDs in storage order, and a scratch copy for std::sort.
    std::vector<CIDBase> unsortedIDs;
    std::vector<CIDBase> scratch;
    // The objects the whole-build benchmark copies in.
    std::vector<CLink> sources;
    // The sorted container's archive, and the same archive with a damaged ordered index.
    std::vector<std::byte> archive;
    std::vector<std::byte> damagedArchive;

    Sorting() {
        const std::size_t n = zxbench::objectCount();
        zxbench::fillLinks(links, n);
        for (int i = 0; i < links.GetSize(); ++i) {
            unsortedIDs.push_back(links.getID(i));
            sources.push_back(links.getConstReference(i));
        }
        scratch = unsortedIDs;

        links.sort();
        CZentrixArchive out;
        links.Serialize(out);
        archive = out.takeStoredBytes();
        damagedArchive = archive;
        swapFirstTwoIndexEntries(damagedArchive, n);
    }

    // The container's record is: 8-byte archive header, start marker, count, then per object a
    // record of fixed size for links followed by its int32 ordered-index entry, then the end
    // marker. Swapping the first two entries leaves a permutation that is out of ID order.
    static void swapFirstTwoIndexEntries(std::vector<std::byte>& bytes, std::size_t n) {
        constexpr std::size_t kFraming = 8 + 4 + 4 + 4;
        zxbench::require(bytes.size() > kFraming && (bytes.size() - kFraming) % n == 0,
                         "link records have a fixed size");
        const std::size_t stride = (bytes.size() - kFraming) / n;
        const auto first = static_cast<std::ptrdiff_t>(16 + stride - 4);
        const auto second = first + static_cast<std::ptrdiff_t>(stride);
        std::swap_ranges(bytes.begin() + first, bytes.begin() + first + 4, bytes.begin() + second);
    }
};

Sorting& sorting() {
    static Sorting instance;
    return instance;
}

void sortContainer(Sorting& f) {
    f.links.discardSorting();
    f.links.sort();
}
void sortIDs(Sorting& f) { std::sort(f.scratch.begin(), f.scratch.end()); }
void buildContainer(const Sorting& f, CLinkArray& built) {
    for (const CLink& link : f.sources) built.AddNoSort(link);
    built.sort();
}
void load(std::span<const std::byte> bytes, CLinkArray& back) {
    CZentrixArchive in{bytes};
    back.Serialize(in);
}

void sortBenchmark(benchmark::State& state) {
    Sorting& f = sorting();
    for (auto _ : state) sortContainer(f);
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
}
void stdSortBenchmark(benchmark::State& state) {
    Sorting& f = sorting();
    for (auto _ : state) {
        state.PauseTiming();
        f.scratch = f.unsortedIDs;
        state.ResumeTiming();
        sortIDs(f);
    }
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
}
void buildBenchmark(benchmark::State& state) {
    const Sorting& f = sorting();
    std::optional<CLinkArray> built;
    for (auto _ : state) {
        state.PauseTiming();
        built.emplace();  // frees the previous build untimed
        state.ResumeTiming();
        buildContainer(f, *built);
    }
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
}
template <bool damaged>
void loadBenchmark(benchmark::State& state) {
    const Sorting& f = sorting();
    const auto& bytes = damaged ? f.damagedArchive : f.archive;
    std::optional<CLinkArray> back;
    for (auto _ : state) {
        state.PauseTiming();
        back.emplace();
        state.ResumeTiming();
        load(bytes, *back);
    }
    state.SetItemsProcessed(state.iterations() * f.links.GetSize());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(sortBenchmark)->Name("sort()")->Unit(benchmark::kMillisecond);
BENCHMARK(stdSortBenchmark)->Name("std::sort(vector<CIDBase>)")->Unit(benchmark::kMillisecond);
BENCHMARK(buildBenchmark)->Name("AddNoSort x N + sort()")->Unit(benchmark::kMillisecond);
BENCHMARK(loadBenchmark<false>)->Name("load, stored index")->Unit(benchmark::kMillisecond);
BENCHMARK(loadBenchmark<true>)->Name("load, index rebuilt")->Unit(benchmark::kMillisecond);

// The loaded container must hold the same objects and exactly the original ordered index.
void checkLoaded(const Sorting& f, std::span<const std::byte> bytes) {
    CLinkArray back;
    load(bytes, back);
    zxbench::require(back.isSorted() && back == f.links, "load restores the objects");
    for (int k = 0; k < back.GetSize(); ++k)
        zxbench::require(back.getOrderedIndex(k) == f.links.getOrderedIndex(k),
                         "load restores the ordered index");
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Sorting& f = sorting();
    const std::size_t n = f.links.GetSize();
    sortContainer(f);
    for (int k = 1; k < static_cast<int>(n); ++k)
        zxbench::require(f.links.getID(f.links.getOrderedIndex(k - 1)) <
                             f.links.getID(f.links.getOrderedIndex(k)),
                         "sort() orders the index");
    checkLoaded(f, f.archive);
    checkLoaded(f, f.damagedArchive);
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing containerSort = zxbench::best(reps, [&] { sortContainer(f); });
    const zxbench::Timing idSort = zxbench::best(
        reps, [&] { f.scratch = f.unsortedIDs; }, [&] { sortIDs(f); });
    std::optional<CLinkArray> built;
    const zxbench::Timing build = zxbench::best(
        reps, [&] { built.emplace(); }, [&] { buildContainer(f, *built); });
    std::optional<CLinkArray> back;
    const zxbench::Timing loadStored = zxbench::best(
        reps, [&] { back.emplace(); }, [&] { load(f.archive, *back); });
    const zxbench::Timing loadRebuilt = zxbench::best(
        reps, [&] { back.emplace(); }, [&] { load(f.damagedArchive, *back); });

    zxbench::ComparisonTable table("bulk build: AddNoSort, then sort()");
    table.time("sort()", containerSort, n);
    table.time("std::sort of vector<CIDBase>", idSort, n);
    table.time("AddNoSort x N + sort() (whole build)", build, n);
    table.atMost("sort() / std::sort", containerSort.seconds / idSort.seconds, 2.0);
    char share[120];
    std::snprintf(share, sizeof share, "sort() is %.0f%% of the whole build",
                  100.0 * containerSort.seconds / build.seconds);
    table.note(share);
    table.time("load, stored index taken", loadStored, n);
    table.time("load, damaged index rebuilt by sort", loadRebuilt, n);
    char rebuild[160];
    std::snprintf(rebuild, sizeof rebuild,
                  "a rebuild adds %.3f ms (%.2fx one sort()); a normal load sorts nothing",
                  (loadRebuilt.seconds - loadStored.seconds) * 1e3,
                  (loadRebuilt.seconds - loadStored.seconds) / containerSort.seconds);
    table.note(rebuild);
    return table.print();
}
