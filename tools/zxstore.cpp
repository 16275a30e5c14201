// zxstore: the store's command-line tool.
//
//   zxstore demo [FILE]   builds the sample project, saves it (to FILE, or to memory), loads it
//                         back into fresh roots, checks that every root equals its original and
//                         prints a summary.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "SampleProject.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int demo(const char* file) {
    SampleProject original = SampleProject::build(200, 2026);

    auto start = Clock::now();
    std::uint64_t bytes = 0;
    std::vector<std::byte> memory;
    if (file) {
        CZentrixArchive out(std::filesystem::path(file), CArchive::store);
        original.Serialize(out);
        bytes = out.position();
        out.Close();
    } else {
        CZentrixArchive out;
        original.Serialize(out);
        memory = out.takeStoredBytes();
        bytes = memory.size();
    }
    const double saveMs = millisecondsSince(start);

    start = Clock::now();
    SampleProject loaded;
    if (file) {
        CZentrixArchive in(std::filesystem::path(file), CArchive::load);
        loaded.Serialize(in);
    } else {
        CZentrixArchive in{std::span<const std::byte>(memory)};
        loaded.Serialize(in);
    }
    const double loadMs = millisecondsSince(start);

    const bool equal = loaded == original;
    std::printf("zxstore demo: sample project %s\n", file ? file : "(in memory)");
    for (const auto& [kind, count] : loaded.counts())
        std::printf("  %-26s %8d\n", kind.c_str(), count);
    std::printf("  file size                  %8llu bytes\n",
                static_cast<unsigned long long>(bytes));
    std::printf("  save                       %8.3f ms\n", saveMs);
    std::printf("  load                       %8.3f ms\n", loadMs);
    std::printf("  round trip                 %s\n",
                equal ? "every root equals its original" : "MISMATCH");
    return equal ? 0 : 1;
}

int usage() {
    std::fprintf(stderr, "usage: zxstore demo [FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    try {
        if (std::strcmp(argv[1], "demo") == 0 && argc <= 3)
            return demo(argc == 3 ? argv[2] : nullptr);
    } catch (const std::exception& error) {
        // The archive's standard exceptions keep their fixed message; where they arose is beside.
        if (const auto* at = dynamic_cast<const CArchiveErrorLocation*>(&error)) {
            std::fprintf(stderr, "zxstore: %s in %s at byte %llu\n", error.what(),
                         at->recordPath().c_str(), static_cast<unsigned long long>(at->offset()));
        } else {
            std::fprintf(stderr, "zxstore: %s\n", error.what());
        }
        return 1;
    }
    return usage();
}
