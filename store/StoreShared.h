// What every keyed container shares across the library boundary: the lock under which a const
// reader completes a container's ordered index, and the seed of the hash indexes.
//
// Both live in the library, one definition each, so that a host's inlined container code and the
// library's own use the same lock for the same container and hash an ID the same way.
#pragma once

#include <cstdint>
#include <mutex>

#include "basetypes/ZxApi.h"

namespace zx {

// Containers defer ordering what is appended to them until someone asks for ID order; a reader
// that asks through a const path completes the order under this lock, so concurrent readers of
// one container stay safe without each container carrying a mutex. Locks are shared by address
// among a fixed set, and held only while one container's index is merged.
ZX_API std::mutex& orderLock(const void* container);

// Random bits mixed into every ID's hash, drawn when the library is loaded (before any static
// object of the library or its host is built), so that a file cannot be crafted to put its IDs
// into one probe run and make loading it quadratic.
ZX_API extern std::uint64_t g_idHashSeed;

}  // namespace zx
