// Timelines: finding the key frame in force at a tick, building a timeline key frame by key frame
// in tick order, and loading one, on project-time key frames (the lightest kind, so the figures
// show the timeline's own work).
//
// Targets: the key frame in force at a random tick among N costs at most twice std::upper_bound
// over a plain array of the same N ticks; building grows linearly (N key frames within 12x the
// time of N/10); loading reads at least 3 M key frames/s.
#include <algorithm>
#include <vector>

#include "BenchSupport.h"
#include "model3d/CProjectTimeTimeline.h"

namespace {

// Key frames every tenth tick, so lookups land between key frames as well as on them.
constexpr int s_tickStep = 10;

CProjectTimeKeyFrame keyFrameAt(zxbench::RandomIDs& random, std::size_t i) {
    CProjectTimeKeyFrame keyFrame(static_cast<int>(i) * s_tickStep);
    keyFrame.setID(CKeyFrameID(random.guid()));
    keyFrame.setFocusTimeValue(
        CProjectTime(1'700'000'000'000LL + static_cast<long long>(i) * 60'000));
    return keyFrame;
}

// Adds n key frames in tick order to an empty timeline, as an editor recording an animation does.
void build(CProjectTimeTimeline& timeline, std::size_t n, std::uint64_t seed) {
    zxbench::RandomIDs random(seed);
    for (std::size_t i = 0; i < n; ++i)
        zxbench::require(timeline.addKeyFrame(keyFrameAt(random, i)) == static_cast<int>(i),
                         "key frames are appended in tick order");
}

std::vector<int> randomTicks(std::size_t count, std::size_t keyFrames) {
    zxbench::RandomIDs random(99);
    std::vector<int> ticks(count);
    for (int& tick : ticks)
        tick = static_cast<int>(random.next() % (keyFrames * s_tickStep + s_tickStep));
    return ticks;
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const std::size_t n = zxbench::objectCount();
    CProjectTimeTimeline timeline;
    build(timeline, n, 1);
    std::vector<int> plainTicks(n);
    for (std::size_t i = 0; i < n; ++i) plainTicks[i] = static_cast<int>(i) * s_tickStep;
    const std::vector<int> probes = randomTicks(1'000'000, n);
    const std::vector<std::byte> archive = zxbench::savedBytes(timeline);

    // Both searches must agree before either is timed.
    for (std::size_t p = 0; p < 1000; ++p) {
        const int tick = probes[p];
        const int expected =
            static_cast<int>(std::upper_bound(plainTicks.begin(), plainTicks.end(), tick) -
                             plainTicks.begin()) -
            1;
        zxbench::require(timeline.getKeyFrameIndexForTick(tick) == expected,
                         "the key frame in force is the last one at or before the tick");
    }

    benchmark::RegisterBenchmark("key frame in force", [&](benchmark::State& state) {
        std::size_t p = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(timeline.getKeyFrameIndexForTick(probes[p]));
            p = p + 1 == probes.size() ? 0 : p + 1;
        }
    });
    benchmark::RegisterBenchmark("std::upper_bound over ticks", [&](benchmark::State& state) {
        std::size_t p = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(
                std::upper_bound(plainTicks.begin(), plainTicks.end(), probes[p]));
            p = p + 1 == probes.size() ? 0 : p + 1;
        }
    });
    zxbench::registerSaveAndLoad("timeline", timeline, archive, static_cast<std::int64_t>(n));
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    zxbench::ComparisonTable table("timelines: key frame in force, building, loading");

    long long sink = 0;
    const zxbench::Timing inForce = zxbench::best(reps, [&] {
        for (const int tick : probes) sink += timeline.getKeyFrameIndexForTick(tick);
    });
    const zxbench::Timing upperBound = zxbench::best(reps, [&] {
        for (const int tick : probes)
            sink +=
                std::upper_bound(plainTicks.begin(), plainTicks.end(), tick) - plainTicks.begin();
    });
    benchmark::DoNotOptimize(sink);
    table.time("key frame in force (1M random ticks)", inForce, probes.size());
    table.time("std::upper_bound over the ticks", upperBound, probes.size());
    table.atMost("in force / upper_bound", inForce.seconds / upperBound.seconds, 2.0);

    std::optional<CProjectTimeTimeline> built;
    const zxbench::Timing buildAll = zxbench::best(
        reps, [&] { built.emplace(); }, [&] { build(*built, n, 2); });
    const zxbench::Timing buildTenth = zxbench::best(
        reps, [&] { built.emplace(); }, [&] { build(*built, n / 10, 2); });
    built.reset();
    table.time("build N key frames in tick order", buildAll, n);
    table.time("build N/10 key frames in tick order", buildTenth, n / 10);
    table.atMost("build N / build N/10", buildAll.seconds / buildTenth.seconds, 12.0);

    const zxbench::SaveLoadTimings t = zxbench::timeSaveAndLoad(timeline, archive);
    zxbench::addSaveAndLoadRows(table, t, archive.size(), n, "key frames");
    table.atLeast("load key frames/s / 3 M", static_cast<double>(n) / t.loaded.seconds / 3e6, 1.0);
    return table.print();
}
