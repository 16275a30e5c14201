// The project document at scale: saving (without fsync), loading with checksum verification,
// what the checksums cost, reading the table, and the heap a loaded project takes beside its file.
//
// The sample is built at scale N / 32 (about 32 objects per task), so N is roughly the number of
// objects: --zx_n=3200000 is `zxstore demo --scale 100000`, over three million objects.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "BenchSupport.h"
#include "SampleProject.h"
#include "project/CProjectDocument.h"

namespace {

struct Fixture {
    CProjectDocument document;
    std::vector<std::byte> bytes;
    CDocumentTable table;
    std::size_t objects = 0;

    Fixture()
        : document(std::make_unique<SampleProject>(SampleProject::build(
              static_cast<int>(std::max<std::size_t>(1, zxbench::objectCount() / 32)), 2026))),
          bytes(document.saveToBytes()),
          table(CProjectDocument::readTable(bytes)) {
        for (const auto& section : table.sections) objects += section.objects;
    }
};

// Bytes the heap holds for the program (small blocks and mapped large ones).
std::size_t heapInUse() {
#if defined(__GLIBC__)
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
#else
    return 0;
#endif
}

// Heap per object of each root, its section loaded alone: what a kind costs in memory beside
// what it costs on disk. The heap of a document with nothing loaded is taken off each row.
void perKindMemory(zxbench::ComparisonTable& table, const Fixture& f) {
    std::size_t emptyDocument = 0;
    {
        const std::size_t before = heapInUse();
        const CProjectDocument empty;
        emptyDocument = heapInUse() - before;
    }
    table.note("heap per object by root, each section loaded alone (B = bytes):");
    table.note("  root                          objects   heap B/object   file B/object");
    for (const auto& section : f.table.sections) {
        if (section.objects == 0) continue;
        CDocumentLoadOptions only;
        only.sections = std::set<std::string, std::less<>>{section.name};
        const std::size_t before = heapInUse();
        CProjectDocument document;
        (void)document.loadFromBytes(f.bytes, only);
        const std::size_t heap = heapInUse() - before - emptyDocument;
        const auto objects = static_cast<double>(section.objects);
        char line[160];
        std::snprintf(line, sizeof line, "  %-28s %9llu %15.0f %15.0f", section.name.c_str(),
                      static_cast<unsigned long long>(section.objects),
                      static_cast<double>(heap) / objects,
                      static_cast<double>(section.size) / objects);
        table.note(line);
    }
}

}  // namespace

int main(int argc, char** argv) {
    zxbench::initialize(argc, argv);
    Fixture f;
    {
        CProjectDocument back;
        (void)back.loadFromBytes(f.bytes);
        zxbench::require(back.roots() == f.document.roots(),
                         "a loaded document equals the saved one");
    }
    const auto objects = static_cast<std::int64_t>(f.objects);
    benchmark::RegisterBenchmark("document/save", [&](benchmark::State& state) {
        for (auto _ : state) benchmark::DoNotOptimize(f.document.saveToBytes());
        state.SetItemsProcessed(state.iterations() * objects);
    });
    benchmark::RegisterBenchmark("document/load", [&](benchmark::State& state) {
        for (auto _ : state) {
            CProjectDocument document;
            (void)document.loadFromBytes(f.bytes);
        }
        state.SetItemsProcessed(state.iterations() * objects);
    });
    zxbench::runGoogleBenchmarks();

    const int repetitions = zxbench::comparisonRepetitions();
    zxbench::ComparisonTable table("the project document");
    table.note("sample of " + std::to_string(f.objects) + " objects, " +
               std::to_string(f.bytes.size()) + " bytes");

    std::vector<std::byte> saved;
    const auto save = zxbench::best(
        repetitions, [&] { saved = {}; }, [&] { saved = f.document.saveToBytes(); });
    table.throughput("save (no fsync)", save, f.bytes.size(), f.objects);
    table.atLeast("save M objects/s / 5", f.objects / save.seconds / 5e6, 1.0);

    std::unique_ptr<CProjectDocument> loaded;
    const auto load = zxbench::best(
        repetitions, [&] { loaded = std::make_unique<CProjectDocument>(); },
        [&] { (void)loaded->loadFromBytes(f.bytes); });
    table.throughput("load (checksums verified)", load, f.bytes.size(), f.objects);
    table.atLeast("load M objects/s / 3", f.objects / load.seconds / 3e6, 1.0);

    std::uint64_t sink = 0;
    const auto checksums = zxbench::best(repetitions, [&] {
        for (const auto& section : f.table.sections)
            sink += XXH3_64bits(f.bytes.data() + section.offset, section.size);
    });
    benchmark::DoNotOptimize(sink);
    table.throughput("checksums alone", checksums, f.bytes.size(), f.objects);
    table.atMost("checksums / load", checksums.seconds / load.seconds, 0.10);

    const auto file = std::filesystem::temp_directory_path() / "zxbench-document.zxp";
    f.document.save(file);
    const auto info = zxbench::best(repetitions, [&] {
        benchmark::DoNotOptimize(CProjectDocument::readTable(file).sections.size());
    });
    table.time("info: header and table of the file", info, f.table.sections.size());
    table.atMost("info ms / 50", info.seconds * 1e3 / 50, 1.0);

    loaded.reset();
    const std::size_t before = heapInUse();
    {
        CProjectDocument document;
        (void)document.load(file);
        const std::size_t after = heapInUse();
        table.note("heap of the loaded project: " + std::to_string((after - before) >> 20) +
                   " MB for a file of " + std::to_string(f.bytes.size() >> 20) + " MB");
        table.atMost("loaded heap / file size",
                     static_cast<double>(after - before) / static_cast<double>(f.bytes.size()),
                     3.0);
    }
    std::filesystem::remove(file);
    perKindMemory(table, f);
    return table.print();
}
