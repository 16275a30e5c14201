// zx::lowerBoundID: std::lower_bound over an ascending array of IDs, in fewer probes.
//
// IDs are random GUIDs, so the leading 64 bits of the IDs in an array are spread evenly between
// those of its ends. A position guessed from them (interpolation) lands close to the answer, and
// each guess narrows the range the next one is made in: among a million IDs a search ends in
// about five probes where a binary search makes twenty, most of them cache misses in an array
// that large.
//
// The answer is exactly std::lower_bound's for any ascending array, whatever its IDs: the guesses
// only choose which elements to compare. IDs that are not spread evenly (a host's own scheme, or
// an attacker's) make poor guesses, so after a few guesses the search goes on by halving: no
// search makes more than a few probes beyond a binary search's.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace zx {

namespace detail {

// A range this small is finished by a binary search: its elements share a few cache lines.
inline constexpr std::size_t kInterpolateAbove = 16;
// Random IDs need about log log n guesses; more means the IDs are not spread evenly.
inline constexpr int kMaxGuesses = 6;

// Where key falls between low and high, scaled to [0, size).
inline std::size_t interpolate(std::uint64_t key, std::uint64_t low, std::uint64_t high,
                               std::size_t size) {
    if (key <= low) return 0;
    if (key >= high) return size - 1;
    const auto at =
        static_cast<std::size_t>(static_cast<unsigned __int128>(key - low) * size / (high - low));
    return std::min(at, size - 1);
}

}  // namespace detail

// The first element of [first, last) that is not less than key; ID is a CIDBase (words()).
template <class ID>
const ID* lowerBoundID(const ID* first, const ID* last, const ID& key) {
    const std::uint64_t word = key.words().first;
    // The answer lies in [lo, hi]: every element before lo is less than key, none from hi on is.
    // low and high bound the leading words of the elements in between.
    std::size_t lo = 0, hi = static_cast<std::size_t>(last - first);
    std::uint64_t low = 0, high = std::numeric_limits<std::uint64_t>::max();
    for (int guesses = 0; hi - lo > detail::kInterpolateAbove && guesses < detail::kMaxGuesses;
         ++guesses) {
        const std::size_t at = lo + detail::interpolate(word, low, high, hi - lo);
        if (first[at] < key) {
            lo = at + 1;
            low = first[at].words().first;
        } else {
            hi = at;
            high = first[at].words().first;
        }
    }
    return std::lower_bound(first + lo, first + hi, key);
}

}  // namespace zx
