// Baselines: capturing every task of a project into one baseline, from the sample calculation.
//
// A project of N tasks (one top-level list) with two upstream links per task from random earlier
// tasks, and ones of N / 10 and 2N built the same way; each gets a SampleCalculation. The timed
// step baselines every task, in the project's order, into a new CProjectBaseline, once with dates
// from the task accessor and once with the critical path's scheduled dates. Capture is linear
// (each task's record and its successors' are found by key), but its lookups land at random in
// memory: between N / 10 and N the records outgrow the caches and each task costs two to three
// times as much, so ten times the tasks take 20x to 30x as long; past that the cost per task stays
// flat. A quadratic step would take 100x, and 4x (not about 2x) from N to 2N. Targets: at most
// 40x from N / 10 to N, and at most 2.6x from N to 2N, the cleaner test of linearity.
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SampleCalculation.h"
#include "schedule/CProjectBaseline.h"

namespace {

constexpr std::int64_t kHour = 3'600'000;

struct Project {
    CTaskArray tasks;
    std::unique_ptr<SampleCalculation> calculation;

    explicit Project(std::size_t n) {
        zxbench::RandomIDs random(0xBA5E'11E5);
        std::vector<CTaskID> ids;
        ids.reserve(n);
        tasks.Reserve(static_cast<int>(n));
        for (std::size_t i = 0; i < n; ++i) {
            CTask task;
            task.setID(CTaskID(random.guid()));
            task.setName(L"Install curtain wall panel");
            task.setPlannedStartTime(
                CProjectTime(1'767'254'400'000LL + static_cast<std::int64_t>(i) * kHour));
            task.setTaskDuration(CProjectDuration(8 * kHour));
            for (int l = 0; l < 2 && i > 0; ++l) {
                const CTaskID& predecessor = ids[random.next() % i];
                CLink link(predecessor, static_cast<LinkType>(random.next() % CLinkType::s_count));
                link.setID(CLinkID(random.guid()));
                link.setDelay(
                    CProjectDuration(static_cast<std::int64_t>(random.next() % 4) * kHour));
                (void)task.addUpstreamLink(link);
            }
            ids.push_back(task.getID());
            tasks.AddNoSort(task);
        }
        tasks.sort();
        calculation = std::make_unique<SampleCalculation>(tasks);
    }

    void baselineAll(CProjectBaseline& baseline, bool scheduledDates) const {
        for (int i = 0; i < calculation->taskCount(); ++i)
            baseline.baselineTask(calculation->task(i), calculation.get(), scheduledDates);
    }
};

zxbench::Timing timeCapture(const Project& project, bool scheduledDates) {
    std::unique_ptr<CProjectBaseline> baseline;
    const zxbench::Timing t = zxbench::best(
        3, [&] { baseline = std::make_unique<CProjectBaseline>(); },
        [&] { project.baselineAll(*baseline, scheduledDates); });
    zxbench::require(baseline->getBaselinedTasks().GetSize() == project.calculation->taskCount(),
                     "every task baselined");
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const std::size_t large = zxbench::objectCount();
    const std::size_t small = std::max<std::size_t>(large / 10, 2);
    const Project smallProject(small), largeProject(large);

    for (const Project* project : {&smallProject, &largeProject}) {
        for (const bool scheduled : {false, true}) {
            const std::string name = "baseline " + std::to_string(project->tasks.GetSize()) +
                                     " tasks" + (scheduled ? ", scheduled dates" : "");
            benchmark::RegisterBenchmark(name.c_str(), [project,
                                                        scheduled](benchmark::State& state) {
                for (auto _ : state) {
                    state.PauseTiming();
                    auto baseline = std::make_unique<CProjectBaseline>();
                    state.ResumeTiming();
                    project->baselineAll(*baseline, scheduled);
                    state.PauseTiming();
                    baseline.reset();
                    state.ResumeTiming();
                }
                state.SetItemsProcessed(state.iterations() * project->tasks.GetSize());
            })->Unit(benchmark::kMillisecond);
        }
    }
    zxbench::runGoogleBenchmarks();

    const std::size_t doubled = 2 * large;
    const Project doubledProject(doubled);
    zxbench::ComparisonTable table("baselines: capture of every task");
    char line[200];
    std::snprintf(line, sizeof line, "%d, %d and %d tasks, %d, %d and %d links",
                  smallProject.calculation->taskCount(), largeProject.calculation->taskCount(),
                  doubledProject.calculation->taskCount(), smallProject.calculation->linkCount(),
                  largeProject.calculation->linkCount(), doubledProject.calculation->linkCount());
    table.note(line);
    for (const bool scheduled : {false, true}) {
        const char* how = scheduled ? "scheduled dates" : "task accessor dates";
        const zxbench::Timing a = timeCapture(smallProject, scheduled);
        const zxbench::Timing b = timeCapture(largeProject, scheduled);
        const zxbench::Timing c = timeCapture(doubledProject, scheduled);
        table.time(std::to_string(small) + " tasks, " + how, a, small);
        table.time(std::to_string(large) + " tasks, " + how, b, large);
        table.time(std::to_string(doubled) + " tasks, " + how, c, doubled);
        table.atMost(std::string("time ") + std::to_string(large) + " / " + std::to_string(small) +
                         ", " + how,
                     b.seconds / a.seconds, 40.0);
        table.atMost(std::string("time ") + std::to_string(doubled) + " / " + std::to_string(large),
                     c.seconds / b.seconds, 2.6);
    }
    return table.print();
}
