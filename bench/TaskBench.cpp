// Tasks: saving and loading a task collection through an in-memory archive, and what a task
// costs in memory.
//
// Each task has a 20-character name, two upstream links, one resource assignment and one cost,
// as a typical activity of an imported schedule has. Targets: loading and saving at least
// 500,000 tasks per second; a bare task (no optional part) at most 1 KiB including its container
// slot and everything it allocates, and within the tighter 640 bytes that a project of millions
// of tasks needs. The load is set beside memcpy of the same bytes.
//
// Heap use is measured by this program's own operator new, which adds up the usable size of
// every block plus the allocator's 8-byte chunk header.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "BenchSupport.h"
#include "CountingHeap.h"
#include "schedule/CTask.h"

using zxbench::g_heapBytes;

namespace {

CTask typicalTask(zxbench::RandomIDs& random, std::size_t number) {
    CTask task;
    task.setID(CTaskID(random.guid()));
    // Exactly 20 characters.
    wchar_t name[32];
    std::swprintf(name, 32, L"Pour slab L%02zu-%06zu", number % 100, number % 1'000'000);
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

    Fixture() {
        zxbench::RandomIDs random;
        const std::size_t n = zxbench::objectCount();
        tasks.Reserve(static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i) tasks.AddNoSort(typicalTask(random, i));
        tasks.sort();
        archive = zxbench::savedBytes(tasks);
    }
};

// Heap bytes per bare task in a container, the container's own storage and index included.
double heapPerBareTask(std::size_t n) {
    const zxbench::CountingScope counting;
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
    Fixture f;
    {
        CTaskArray back;
        zxbench::loadFromMemory(f.archive, back);
        zxbench::require(back == f.tasks, "loaded tasks equal the saved ones");
    }
    const std::size_t n = static_cast<std::size_t>(f.tasks.GetSize());
    zxbench::registerSaveAndLoad("tasks", f.tasks, f.archive, static_cast<std::int64_t>(n));
    zxbench::runGoogleBenchmarks();

    const zxbench::SaveLoadTimings t = zxbench::timeSaveAndLoad(f.tasks, f.archive);
    zxbench::ComparisonTable table("tasks: save, load and memory");
    zxbench::addSaveAndLoadRows(table, t, f.archive.size(), n, "tasks");
    const double target = 500'000.0;
    table.atLeast("load tasks/s / 500,000", static_cast<double>(n) / t.loaded.seconds / target,
                  1.0);
    table.atLeast("save tasks/s / 500,000", static_cast<double>(n) / t.saved.seconds / target, 1.0);

    char line[200];
    const double heap = heapPerBareTask(std::min<std::size_t>(n, 100'000));
    std::snprintf(line, sizeof line,
                  "sizeof(CTask) = %zu bytes; a bare task in a container takes %.0f heap bytes "
                  "(object, slot and index entry)",
                  sizeof(CTask), heap);
    table.note(line);
    table.atMost("bare task bytes / 1 KiB", heap / 1024.0, 1.0);
    table.atMost("bare task bytes / 640", heap / 640.0, 1.0);
    std::snprintf(line, sizeof line,
                  "an absent pointer-held collection costs %zu bytes (its null pointer)",
                  sizeof(COptionalObjectArray<INote, CNote, CNoteID, 1>));
    table.note(line);
    return table.print();
}
