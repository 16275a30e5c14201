// The sample project as JSON: writing it (to a stream that only counts the bytes, so that the
// figure is the writer's own) and reading it back (from memory).
//
// The project is built at scale N / 20 (5,000 at the default N = 100,000: some 160,000 objects
// and 60 MB of text). Target: the writer produces at least 100 MB of JSON per second. The
// reader has no target; it parses, converts and checks every object against the store's rules,
// and its figure is shown beside the archive's load of the same project.
#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>

#include "BenchSupport.h"
#include "JsonReader.h"
#include "JsonWriter.h"
#include "SampleProject.h"

namespace {

// Counts what is written and keeps nothing.
class CountingSink : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) ++bytes;
        return traits_type::not_eof(c);
    }
};

std::size_t writtenBytes(const CProjectRoots& project) {
    CountingSink sink;
    std::ostream out(&sink);
    zxjson::writeProject(out, project, CZentrixArchive::s_currentFileVersion,
                         {.showSecrets = true});
    return sink.bytes;
}

void read(const std::string& text, CProjectRoots& project) {
    std::istringstream in(text);
    zxjson::readProject(in, project);
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    const int scale = static_cast<int>(std::max<std::size_t>(1, zxbench::objectCount() / 20));
    SampleProject project = SampleProject::build(scale, 1);
    std::size_t objects = 0;
    for (const auto& [kind, count] : project.counts()) objects += static_cast<std::size_t>(count);
    std::string text;
    {
        std::ostringstream out;
        // With the secrets, which a JSON that is read back must carry.
        zxjson::writeProject(out, project, CZentrixArchive::s_currentFileVersion,
                             {.showSecrets = true});
        text = std::move(out).str();
        CProjectRoots back;
        read(text, back);
        zxbench::require(back == static_cast<const CProjectRoots&>(project),
                         "the project read from JSON equals the one written");
    }
    const std::vector<std::byte> archive = zxbench::savedBytes(project);

    benchmark::RegisterBenchmark("write JSON", [&](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(writtenBytes(project));
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read JSON", [&](benchmark::State& state) {
        for (auto _ : state) {
            CProjectRoots back;
            read(text, back);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    })->Unit(benchmark::kMillisecond);
    zxbench::runGoogleBenchmarks();

    const int reps = zxbench::comparisonRepetitions();
    const zxbench::Timing written =
        zxbench::best(reps, [&] { benchmark::DoNotOptimize(writtenBytes(project)); });
    std::optional<CProjectRoots> back;
    const zxbench::Timing readBack = zxbench::best(
        reps, [&] { back.emplace(); }, [&] { read(text, *back); });
    back.reset();
    std::optional<CProjectRoots> loaded;
    const zxbench::Timing archiveLoad = zxbench::best(
        reps, [&] { loaded.emplace(); }, [&] { zxbench::loadFromMemory(archive, *loaded); });
    loaded.reset();

    zxbench::ComparisonTable table("the sample project as JSON");
    char line[160];
    std::snprintf(line, sizeof line, "scale %d: %zu objects, %zu bytes of JSON, %zu of archive",
                  scale, objects, text.size(), archive.size());
    table.note(line);
    table.throughput("write JSON", written, text.size(), objects);
    table.throughput("read JSON", readBack, text.size(), objects);
    table.throughput("load the archive (its own bytes)", archiveLoad, archive.size(), objects);
    const double writeMBps = static_cast<double>(text.size()) / written.seconds / 1e6;
    table.atLeast("JSON written per second / 100 MB", writeMBps / 100.0, 1.0);
    return table.print();
}
