// Project records: copying a binary image of 64 MiB against copying an empty one (a copy shares
// the buffer, so its size must not matter; target: at most 100x), and loading a clash test with N
// results (target: at least 3 M results/s).
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "BenchSupport.h"
#include "records/CBinImage.h"
#include "records/CClashTest.h"

namespace {

constexpr std::size_t kImageBytes = std::size_t{64} << 20;

struct Fixture {
    CBinImage large;
    CBinImage empty;
    CClashTest test;
    std::vector<std::byte> testBytes;

    Fixture() {
        auto bytes = std::make_unique<unsigned char[]>(kImageBytes);
        std::memset(bytes.get(), 0x42, kImageBytes);
        large.setBytes(kImageBytes, bytes.release());
        large.setWidth(4096);

        zxbench::RandomIDs random;
        for (std::size_t i = 0; i < zxbench::objectCount(); ++i) {
            CClashTestResult result;
            result.setID(CClashTestResultID(random.guid()));
            result.setEntityID1(CEntity3DID(random.guid()));
            result.setEntityID2(CEntity3DID(random.guid()));
            result.setResolution(CProjectString(L"move the duct"));
            (void)test.addResult(result);
        }
        testBytes = zxbench::savedBytes(test);
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void copyImage(const CBinImage& from) {
    CBinImage copy(from);
    benchmark::DoNotOptimize(copy);
}

void loadTest(const std::vector<std::byte>& bytes) {
    CClashTest back;
    zxbench::loadFromMemory(bytes, back);
    benchmark::DoNotOptimize(back);
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Fixture& f = fixture();
    zxbench::require(CBinImage(f.large) == f.large, "a copied image equals its original");
    zxbench::require(f.test.getResults().GetSize() == static_cast<int>(zxbench::objectCount()),
                     "every result is added");
    benchmark::RegisterBenchmark("copy image of 64 MiB", [&f](benchmark::State& state) {
        for (auto _ : state) copyImage(f.large);
    });
    benchmark::RegisterBenchmark("copy empty image", [&f](benchmark::State& state) {
        for (auto _ : state) copyImage(f.empty);
    });
    zxbench::registerSaveAndLoad("clash test results", f.test, f.testBytes,
                                 static_cast<std::int64_t>(zxbench::objectCount()));
    zxbench::runGoogleBenchmarks();

    // A copy takes well under a microsecond: each timing is of a thousand copies.
    constexpr int kCopies = 1000;
    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing large = zxbench::best(reps, [&] {
        for (int i = 0; i < kCopies; ++i) copyImage(f.large);
    });
    const zxbench::Timing empty = zxbench::best(reps, [&] {
        for (int i = 0; i < kCopies; ++i) copyImage(f.empty);
    });
    const zxbench::Timing load = zxbench::best(reps, [&] { loadTest(f.testBytes); });

    zxbench::ComparisonTable table("records: shared image buffers and clash test results");
    table.time("copy image of 64 MiB (1,000 copies)", large, kCopies);
    table.time("copy empty image (1,000 copies)", empty, kCopies);
    table.atMost("64 MiB copy / empty copy", large.seconds / empty.seconds, 100.0);
    const double n = static_cast<double>(zxbench::objectCount());
    table.time("load clash test results", load, zxbench::objectCount());
    table.atLeast("clash test results loaded per second (millions)", n / load.seconds / 1e6, 3.0);
    return table.print();
}
