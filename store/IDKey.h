// zx::IDKey: an ID in compare-ready form, as the keyed containers' indexes hold it.
#pragma once

#include <cstdint>

#include "basetypes/CIDBase.h"

namespace zx {

// An ID as two big-endian words: unsigned word order is the ID order.
struct IDKey {
    std::uint64_t hi;
    std::uint64_t lo;

    static IDKey of(const CIDBase& id) {
        const auto [h, l] = id.words();
        return {h, l};
    }
    friend bool operator<(const IDKey& a, const IDKey& b) {
        return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo;
    }
    friend bool operator==(const IDKey&, const IDKey&) = default;
};

}  // namespace zx
