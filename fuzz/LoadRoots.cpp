// The libFuzzer target: arbitrary bytes loaded as a root or collection of the sample project
// (the first byte picks which, the rest is the archive).
//
// Bad input may only end in the archive's exceptions with the container left empty; any other
// exception escapes and terminates, a broken promise of LoadReport aborts, and the sanitizers catch
// memory errors, undefined behaviour and leaks. Each of those is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "LoadRoots.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zxfuzz::LoadReport report =
        zxfuzz::loadFuzzInput({reinterpret_cast<const std::byte*>(data), size});
    if (!report.fault.empty()) {
        std::fprintf(stderr, "zxfuzz: %s\n", report.fault.c_str());
        std::abort();
    }
    return 0;
}
