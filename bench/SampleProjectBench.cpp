// Saving and loading the sample project: every kind the store has, nested collections and text
// included, through an in-memory archive.
//
// The project is built at scale N / 100 (about twenty objects per unit of scale), so N = 100,000
// gives some 20,000 objects. No targets: the figures show what a whole file costs beside the
// plain link container, and the load is set against memcpy of the same bytes.
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "BenchSupport.h"
#include "SampleProject.h"

namespace {

struct Projects {
    SampleProject project;
    std::vector<std::byte> archive;
    std::vector<std::byte> memcpyTarget;
    std::size_t objects = 0;

    Projects()
        : project(SampleProject::build(
              static_cast<int>(std::max<std::size_t>(1, zxbench::objectCount() / 100)), 2026)) {
        CZentrixArchive out;
        project.Serialize(out);
        archive = out.takeStoredBytes();
        memcpyTarget.resize(archive.size());
        for (const auto& [kind, count] : project.counts())
            objects += static_cast<std::size_t>(count);
    }
};

Projects& projects() {
    static Projects instance;
    return instance;
}

std::size_t save(SampleProject& project) {
    CZentrixArchive out;
    project.Serialize(out);
    return out.storedBytes().size();
}
void load(std::span<const std::byte> bytes, SampleProject& back) {
    CZentrixArchive in{bytes};
    back.Serialize(in);
}

void saveBenchmark(benchmark::State& state) {
    Projects& f = projects();
    for (auto _ : state) benchmark::DoNotOptimize(save(f.project));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.objects));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.archive.size()));
}
void loadBenchmark(benchmark::State& state) {
    const Projects& f = projects();
    std::optional<SampleProject> back;
    for (auto _ : state) {
        state.PauseTiming();
        back.emplace();
        state.ResumeTiming();
        load(f.archive, *back);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(f.objects));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.archive.size()));
}
BENCHMARK(saveBenchmark)->Name("save sample project")->Unit(benchmark::kMillisecond);
BENCHMARK(loadBenchmark)->Name("load sample project")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Projects& f = projects();
    {
        SampleProject back;
        load(f.archive, back);
        zxbench::require(back == f.project, "a loaded project equals the saved one");
    }
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing saved =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(save(f.project)); });
    std::optional<SampleProject> back;
    const zxbench::Timing loaded = zxbench::best(
        reps, [&] { back.emplace(); }, [&] { load(f.archive, *back); });
    back.reset();
    const zxbench::Timing copied = zxbench::best(reps, [&] {
        std::memcpy(f.memcpyTarget.data(), f.archive.data(), f.archive.size());
        benchmark::ClobberMemory();
    });

    zxbench::ComparisonTable table("save and load of the sample project, in memory");
    char size[120];
    std::snprintf(size, sizeof size, "%zu objects, %zu bytes (%.1f bytes/object)", f.objects,
                  f.archive.size(), static_cast<double>(f.archive.size()) / f.objects);
    table.note(size);
    table.throughput("save", saved, f.archive.size(), f.objects);
    table.throughput("load", loaded, f.archive.size(), f.objects);
    table.throughput("memcpy of the archive's bytes", copied, f.archive.size(), f.objects);
    char share[120];
    std::snprintf(share, sizeof share, "load runs at %.1f%% of memcpy's bandwidth (no target)",
                  100.0 * copied.seconds / loaded.seconds);
    table.note(share);
    return table.print();
}
