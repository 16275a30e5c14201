// The one definition of the containers' shared lock set and hash seed.
#include "store/StoreShared.h"

#include <array>
#include <random>

namespace zx {

std::mutex& orderLock(const void* container) {
    static std::array<std::mutex, 64> locks;
    // Containers are at least 8-byte aligned and often allocated together: the low bits carry
    // nothing and neighbours should not share a lock.
    const auto address = reinterpret_cast<std::uintptr_t>(container);
    return locks[(address >> 4) * 0x9E3779B97F4A7C15ull >> 58];
}

std::uint64_t g_idHashSeed = 0;

namespace {
// Runs before the library's (and so before any host's) static initializers.
__attribute__((constructor(101))) void drawIDHashSeed() {
    std::random_device device;
    g_idHashSeed = (std::uint64_t{device()} << 32) ^ device();
}
}  // namespace

}  // namespace zx
