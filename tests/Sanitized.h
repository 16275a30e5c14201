// Sanitized: what tests need to know about running under AddressSanitizer.
//
// Tests that damage or cut a file at every byte load the file once per byte; under the
// sanitizers each load costs some forty times what it costs in a Release build. Those walks visit
// every position in plain builds and a fixed, evenly spread sample of them under the sanitizers,
// whose job is to catch memory faults that any mutation of a given shape would show, not to cover
// every offset again. The sample's start depends on a per-case seed, so different cases cover
// different residues and a failure reproduces.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zxtest {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

// Under the sanitizers, a range longer than kSanitizedWholeRange is sampled: shorter ones are
// cheap enough to walk whole, and a small record sampled might miss every byte of one kind (every
// value byte, say). The sample takes one position in kSanitizedStride, or fewer, so that a walk
// over a long record visits at most about kSanitizedPositions of them: each visit is a load with
// its checks, and the sample records grow with every kind. The stride is odd, so that it walks
// across every byte lane of the 2-, 4- and 8-byte values a record is made of.
inline constexpr std::size_t kSanitizedStride = 7;
inline constexpr std::size_t kSanitizedWholeRange = 256;
inline constexpr std::size_t kSanitizedPositions = 400;

// The step between visited positions in a range of `length` positions.
constexpr std::size_t sampledStride(std::size_t length) {
    if (!kSanitized || length <= kSanitizedWholeRange) return 1;
    const std::size_t spread = (length + kSanitizedPositions - 1) / kSanitizedPositions;
    return std::max(kSanitizedStride, spread | 1);
}

// Positions begin..end-1: all of them, or under the sanitizers in a long range every
// sampledStride-th from an offset chosen by seed.
inline std::vector<std::size_t> sampledPositions(std::size_t begin, std::size_t end,
                                                 std::uint64_t seed = 0) {
    std::vector<std::size_t> positions;
    if (end <= begin) return positions;
    const std::size_t stride = sampledStride(end - begin);
    positions.reserve((end - begin) / stride + 1);
    for (std::size_t at = begin + static_cast<std::size_t>(seed % stride); at < end; at += stride) {
        positions.push_back(at);
    }
    return positions;
}

// The bits of the byte at a position to flip: all eight, or under the sanitizers the one the
// position picks, so that a sampled walk still flips every bit somewhere.
inline std::vector<int> sampledBits(std::size_t at) {
    if (kSanitized) return {static_cast<int>(at % 8)};
    return {0, 1, 2, 3, 4, 5, 6, 7};
}

}  // namespace zxtest
