// The name sub-filter's prefix index: setNames over N names (copying them, lower-casing them,
// sorting the entries and linking each to its longest earlier prefix) against std::sort of the
// same names already lower-cased, as a std::vector<std::wstring> (the cost of ordering the texts
// and nothing else); target: setNames at most 2x std::sort.
//
// The names look like a site's task names: a trade word, a zone, a level and a number, so that
// many names share prefixes and some are prefixes of others.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "basetypes/CNameSubFilter.h"

namespace {

struct Names {
    CProjectStringArray names;
    std::vector<std::wstring> lowered;
    std::vector<std::wstring> scratch;
    CNameSubFilter filter;

    Names() {
        const wchar_t* words[] = {L"Pour", L"Formwork", L"Rebar",   L"Strip",
                                  L"Cure", L"Inspect",  L"Install", L"Erect",
                                  L"Weld", L"Paint",    L"Survey",  L"Backfill"};
        std::mt19937_64 random(42);
        const std::size_t n = zxbench::objectCount();
        for (std::size_t i = 0; i < n; ++i) {
            std::wstring name = words[random() % std::size(words)];
            if (random() % 4 != 0) {
                name += L" Zone " + std::to_wstring(random() % 40);
                if (random() % 3 != 0) name += L" Level " + std::to_wstring(random() % 12);
                if (random() % 2 == 0) name += L" #" + std::to_wstring(random() % 1000);
            }
            (void)names.Add(CString(name));
            for (auto& c : name) c = CNameSubFilter::toLower(c);
            lowered.push_back(std::move(name));
        }
    }
};

Names& fixture() {
    static Names instance;
    return instance;
}

void setNames(Names& f) { f.filter.setNames(f.names, false); }
void sortLowered(Names& f) { std::sort(f.scratch.begin(), f.scratch.end()); }

void setNamesBenchmark(benchmark::State& state) {
    Names& f = fixture();
    for (auto _ : state) setNames(f);
    state.SetItemsProcessed(state.iterations() * f.names.GetSize());
}
void stdSortBenchmark(benchmark::State& state) {
    Names& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.scratch = f.lowered;
        state.ResumeTiming();
        sortLowered(f);
    }
    state.SetItemsProcessed(state.iterations() * f.names.GetSize());
}
BENCHMARK(setNamesBenchmark)->Name("setNames")->Unit(benchmark::kMillisecond);
BENCHMARK(stdSortBenchmark)->Name("std::sort(vector<wstring>)")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Names& f = fixture();
    const std::size_t n = f.lowered.size();
    setNames(f);
    const auto& index = f.filter.getSortedComparisonNames();
    zxbench::require(index.size() == n, "every name is indexed");
    f.scratch = f.lowered;
    sortLowered(f);
    for (std::size_t k = 0; k < n; ++k)
        zxbench::require(index[k].text == f.scratch[k], "setNames sorts like std::sort");
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing indexed = zxbench::best(reps, [&] { setNames(f); });
    const zxbench::Timing sorted = zxbench::best(
        reps, [&] { f.scratch = f.lowered; }, [&] { sortLowered(f); });

    zxbench::ComparisonTable table("name sub-filter: setNames builds the prefix index");
    table.time("setNames", indexed, n);
    table.time("std::sort of the lower-cased names", sorted, n);
    table.atMost("setNames / std::sort", indexed.seconds / sorted.seconds, 2.0);
    return table.print();
}
