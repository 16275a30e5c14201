// The integrity check and the project diff on a large sample project.
//
// The project is SampleProject::build(N / 5, 1): at the default N = 100,000 that is scale 20,000,
// close to a million objects of every kind. The check runs on it as built (it must find
// nothing); the diff compares it with a copy in which 1% of its objects were edited (activities
// renamed, and one in ten of those given a new cost). Objects are counted once, in one project,
// embedded parts not counted. Targets: at least 2 M objects/s for each.
#include <algorithm>
#include <string>

#include "BenchSupport.h"
#include "ProjectCheck.h"
#include "ProjectDiff.h"
#include "SampleProject.h"

namespace {

std::size_t objectsIn(const SampleProject& project) {
    std::size_t objects = 0;
    for (const auto& [kind, count] : project.counts()) objects += static_cast<std::size_t>(count);
    return objects;
}

// Edits `count` activities of the project (every phase, zone by zone), adding a cost to every
// tenth. The number of objects edited or added.
std::size_t editActivities(SampleProject& project, std::size_t count) {
    std::size_t edited = 0;
    auto& phases = project.get<CTaskRoot>().getArray();
    zxbench::RandomIDs random(0xD1FF);
    for (int p = 0; p < phases.GetSize() && edited < count; ++p) {
        const ITaskArrayHandle zones = phases.getWritableReference(p).getSubTasks();
        for (int z = 0; z < zones.GetSize() && edited < count; ++z) {
            const ITaskArrayHandle activities = zones.getWritableReference(z)->getSubTasks();
            // One activity in two, so that the edits spread over the whole schedule.
            for (int a = 0; a < activities.GetSize() && edited < count; a += 2) {
                const ITaskWritableHandle task = activities.getWritableReference(a);
                task->setName(L"Renamed activity " + std::to_wstring(edited));
                if (edited % 10 == 0) {
                    CCost cost;
                    cost.setID(CCostID(random.guid()));
                    cost.setAmount(99.0);
                    zxbench::require(task->addCost(cost) >= 0, "a new cost is added");
                    ++edited;
                }
                ++edited;
            }
        }
    }
    return edited;
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const int scale = static_cast<int>(std::max<std::size_t>(1, zxbench::objectCount() / 5));
    const SampleProject project = SampleProject::build(scale, 1);
    SampleProject edited = project;
    const std::size_t objects = objectsIn(project);
    const std::size_t edits = editActivities(edited, objects / 100);

    zxbench::require(zxtool::checkProject(project).empty(), "the sample project checks clean");
    const std::size_t changes = zxtool::diffProjects(project, edited).size();
    zxbench::require(changes == edits, "one change per edited or added object");

    benchmark::RegisterBenchmark("check sample project", [&](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(zxtool::checkProject(project));
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(objects));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("diff sample projects", [&](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(zxtool::diffProjects(project, edited));
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(objects));
    })->Unit(benchmark::kMillisecond);
    zxbench::runGoogleBenchmarks();

    zxbench::ComparisonTable table("integrity check and diff of the sample project");
    table.note("scale " + std::to_string(scale) + ": " + std::to_string(objects) +
               " objects; the copy differs in " + std::to_string(edits) + " (" +
               std::to_string(changes) + " changes)");
    const int reps = std::min(zxbench::comparisonRepetitions(), 4);
    const zxbench::Timing checked =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(zxtool::checkProject(project)); });
    const zxbench::Timing diffed = zxbench::best(
        reps, [&] { benchmark::DoNotOptimize(zxtool::diffProjects(project, edited)); });
    table.time("check", checked, objects);
    table.time("diff (objects of one project)", diffed, objects);
    const double million = 1e6;
    table.atLeast("check, M objects/s", static_cast<double>(objects) / checked.seconds / million,
                  2.0);
    table.atLeast("diff, M objects/s", static_cast<double>(objects) / diffed.seconds / million,
                  2.0);
    return table.print();
}
