// Tasks: saving and loading a task collection through an in-memory archive, and what a task
// costs in memory.
//
// Each task has a 20-character name, two upstream links, one resource assignment and one cost,
// as a typical activity of an imported schedule has. Targets: loading and saving at least
// 500,000 tasks per second; a bare task (no optional part) at most 1 KiB including its container
// slot and everything it allocates. The load is set beside memcpy of the same bytes.
//
// Heap use is measured by this program's own operator new, which adds up the usable size of
// every block plus the allocator's 8-byte chunk header.
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <span>
#include <vector>

#include "BenchSupport.h"
#include "schedule/CTask.h"

namespace {

std::atomic<long long> g_heapBytes{0};

}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    g_heapBytes += static_cast<long long>(malloc_usable_size(p) + 8);
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    g_heapBytes -= static_cast<long long>(malloc_usable_size(p) + 8);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

CTask typicalTask(zxbench::RandomIDs& random, std::size_t number) {
    CTask task;
    task.setID(CTaskID(random.guid()));
    wchar_t name[21];
    std::swprintf(name, 21, L"Pour slab L%02zu-%07zu", number % 100, number);
    task.setName(name);
    task.setPlannedStartTime(CProjectTime(1'700'000'000'000LL + static_cast<long long>(number)));
    task.setTaskDuration(CProjectDuration(8 * 3'600'000LL));
    for (int l = 0; l < 2; ++l) (void)task.addUpstreamLink(zxbench::randomLink(random));
    CAssignedResource assignment;
    assignment.setID(CAssignedResourceID(random.guid()));
    (void)task.addAssignedResource(assignment);
    CCost cost;
    cost.setID(CCostID(random.guid()));
    cost.setAmount(1250.0);
    (void)task.addCost(cost);
    return task;
}

struct Fixture {
    CTaskArray tasks;
    std::vector<std::byte> archive;
    std::vector<std::byte> memcpyTarget;

    Fixture() {
        zxbench::RandomIDs random;
        const std::size_t n = zxbench::objectCount();
        tasks.Reserve(static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i) tasks.AddNoSort(typicalTask(random, i));
        tasks.sort();
        CZentrixArchive out;
        tasks.Serialize(out);
        archive = out.takeStoredBytes();
        memcpyTarget.resize(archive.size());
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

std::size_t save(CTaskArray& tasks) {
    CZentrixArchive out;
    tasks.Serialize(out);
    return out.storedBytes().size();
}
void load(std::span<const std::byte> bytes, CTaskArray& into) {
    CZentrixArchive in{bytes};
    into.Serialize(in);
}

void saveBenchmark(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(save(f.tasks));
    state.SetItemsProcessed(state.iterations() * f.tasks.GetSize());
}
void loadBenchmark(benchmark::State& state) {
    const Fixture& f = fixture();
    std::optional<CTaskArray> back;
    for (auto _ : state) {
        state.PauseTiming();
        back.emplace();
        state.ResumeTiming();
        load(f.archive, *back);
    }
    state.SetItemsProcessed(state.iterations() * f.tasks.GetSize());
}
BENCHMARK(saveBenchmark)->Name("save tasks")->Unit(benchmark::kMillisecond);
BENCHMARK(loadBenchmark)->Name("load tasks")->Unit(benchmark::kMillisecond);

// Heap bytes per bare task in a container, the container's own storage and index included.
double heapPerBareTask(std::size_t n) {
    const long long before = g_heapBytes;
    {
        CTaskArray tasks;
        zxbench::RandomIDs random(7);
        const long long start = g_heapBytes;
        for (std::size_t i = 0; i < n; ++i) {
            CTask task;
            task.setID(CTaskID(random.guid()));
            (void)tasks.Add(task);
        }
        const double perTask = static_cast<double>(g_heapBytes - start) / static_cast<double>(n);
        zxbench::require(g_heapBytes >= before, "heap accounting");
        return perTask;
    }
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Fixture& f = fixture();
    {
        CTaskArray back;
        load(f.archive, back);
        zxbench::require(back == f.tasks, "loaded tasks equal the saved ones");
    }
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const std::size_t n = static_cast<std::size_t>(f.tasks.GetSize());
    const zxbench::Timing saved =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(save(f.tasks)); });
    std::optional<CTaskArray> back;
    const zxbench::Timing loaded = zxbench::best(
        reps, [&] { back.emplace(); }, [&] { load(f.archive, *back); });
    back.reset();
    const zxbench::Timing copied = zxbench::best(reps, [&] {
        std::memcpy(f.memcpyTarget.data(), f.archive.data(), f.archive.size());
        benchmark::ClobberMemory();
    });

    zxbench::ComparisonTable table("tasks: save, load and memory");
    char line[160];
    std::snprintf(line, sizeof line, "%zu tasks, %zu bytes (%.1f bytes/task)", n, f.archive.size(),
                  static_cast<double>(f.archive.size()) / static_cast<double>(n));
    table.note(line);
    table.throughput("save", saved, f.archive.size(), n);
    table.throughput("load", loaded, f.archive.size(), n);
    table.throughput("memcpy of the archive's bytes", copied, f.archive.size(), n);
    std::snprintf(line, sizeof line, "load runs at %.1f%% of memcpy's bandwidth",
                  100.0 * copied.seconds / loaded.seconds);
    table.note(line);
    const double target = 500'000.0;
    table.atLeast("load tasks/s / 500,000", static_cast<double>(n) / loaded.seconds / target, 1.0);
    table.atLeast("save tasks/s / 500,000", static_cast<double>(n) / saved.seconds / target, 1.0);

    const double heap = heapPerBareTask(std::min<std::size_t>(n, 100'000));
    std::snprintf(line, sizeof line,
                  "sizeof(CTask) = %zu bytes; a bare task in a container takes %.0f heap bytes "
                  "(object, slot and index entry)",
                  sizeof(CTask), heap);
    table.note(line);
    table.atMost("bare task bytes / 1 KiB", heap / 1024.0, 1.0);
    std::snprintf(line, sizeof line,
                  "an absent pointer-held collection costs %zu bytes (its null pointer)",
                  sizeof(COptionalObjectArray<INote, CNote, CNoteID, 1>));
    table.note(line);
    return table.print();
}
