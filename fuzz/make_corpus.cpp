// zxfuzz_corpus: writes the fuzz seed corpora: for the roots' loader one file per target and
// sample, each a selector byte followed by the saved archive; for the document loader one project
// document per sample. Re-run it after a record layout changes:
//
//     zxfuzz_corpus [DIR [DOCUMENT_DIR]]   (defaults: fuzz/corpus, fuzz/corpus-document)
//
// The output is reproducible: a sample, its roots' IDs included, comes from its seed, so an
// unchanged format regenerates byte-identical files.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "LoadRoots.h"
#include "project/CProjectDocument.h"

namespace {

struct Sample {
    int scale;
    std::uint64_t seed;
    bool documentOnly = false;
};
// An empty container, a single object and a few objects with nesting: small inputs mutate
// fastest. Then samples of realistic shape, whose longer collections, deeper trees and rarer
// combinations small ones never reach; the largest only as a document, to keep the corpus small.
constexpr Sample kSamples[] = {{0, 1}, {1, 7}, {3, 1}, {3, 2}, {12, 5}, {40, 9, true}};

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path dir = argc > 1 ? argv[1] : ZX_FUZZ_CORPUS_DIR;
    const std::filesystem::path documentDir = argc > 2 ? argv[2] : ZX_FUZZ_DOCUMENT_CORPUS_DIR;
    for (const auto& folder : {dir, documentDir}) {
        std::filesystem::create_directories(folder);
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".zxf" || entry.path().extension() == ".zxp")
                std::filesystem::remove(entry.path());
    }

    int files = 0;
    std::uintmax_t bytes = 0;
    for (const Sample& sample : kSamples) {
        SampleProject built = SampleProject::build(sample.scale, sample.seed);
        {
            CProjectDocument document(std::make_unique<SampleProject>(built));
            const auto path = documentDir / ("document-scale" + std::to_string(sample.scale) +
                                             "-seed" + std::to_string(sample.seed) + ".zxp");
            document.save(path);
            ++files;
            bytes += std::filesystem::file_size(path);
        }
        if (sample.documentOnly) continue;
        zxfuzz::Containers project(std::move(built));
        for (const zxfuzz::Target target : zxfuzz::allTargets()) {
            const auto input = zxfuzz::fuzzInput(target, zxfuzz::saveTarget(project, target));
            const zxfuzz::LoadReport check = zxfuzz::loadFuzzInput(input);
            if (!check.loaded || !check.fault.empty()) {
                std::cerr << "zxfuzz_corpus: a saved " << zxfuzz::targetName(target)
                          << " does not load back: " << check.error << check.fault << '\n';
                return 1;
            }
            const auto path = dir / (std::string(zxfuzz::targetName(target)) + "-scale" +
                                     std::to_string(sample.scale) + "-seed" +
                                     std::to_string(sample.seed) + ".zxf");
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(input.data()),
                      static_cast<std::streamsize>(input.size()));
            if (!out) {
                std::cerr << "zxfuzz_corpus: cannot write " << path << '\n';
                return 1;
            }
            ++files;
            bytes += input.size();
        }
    }
    std::cout << "wrote " << files << " files, " << bytes << " bytes, to " << dir << '\n';
    return 0;
}
