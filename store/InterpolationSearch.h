// Searches of ascending arrays whose keys are spread about evenly, in fewer probes than halving.
//
// zx::interpolatedPartition gives std::partition_point's answer: it guesses where the answer lies
// from where the key falls between the keys at the ends of the range still open (interpolation),
// and each guess narrows the range the next one is made in. Over evenly spread keys a search ends
// in two to five probes where a binary search over a million makes twenty, most of them cache
// misses in an array that large.
//
// The answer is exact for any ascending array, whatever its keys: the guesses only choose which
// elements to compare. Keys that are not spread evenly (a host's own scheme, or an attacker's)
// make poor guesses, so after a few guesses the search goes on by halving: no search makes more
// than a few probes beyond a binary search's.
//
// zx::gallopForward finds a partition point beyond a known place by steps that double away from
// it, so its cost grows with the distance to the answer, not with the array: a walk of ascending
// keys through an ascending array (a batch against a set) makes one pass in memory order instead
// of a search per key.
//
// zx::lowerBoundID is std::lower_bound over an ascending array of IDs. IDs are random GUIDs, so
// their leading 64 bits are spread evenly over all 64-bit values and the search needs no look at
// the array's ends. zx::upperBoundTick is std::upper_bound over ascending ticks, which a timeline
// records at steps that are usually regular.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <type_traits>

namespace zx {

namespace detail {

// A range this small is finished by a binary search: its elements share a few cache lines.
inline constexpr std::size_t kInterpolateAbove = 16;
// Evenly spread keys need about log log n guesses; more means they are not spread evenly.
inline constexpr int kMaxGuesses = 6;

// Where key falls between low and high, scaled to [0, size).
inline std::size_t interpolate(std::uint64_t key, std::uint64_t low, std::uint64_t high,
                               std::size_t size) {
    if (key <= low) return 0;
    if (key >= high) return size - 1;
    const std::uint64_t offset = key - low;
    // Narrow keys (ticks) scale in 64 bits; the 128-bit division is a library call.
    const auto at = offset >> 32 == 0 && size >> 32 == 0
                        ? static_cast<std::size_t>(offset * size / (high - low))
                        : static_cast<std::size_t>(static_cast<unsigned __int128>(offset) * size /
                                                   (high - low));
    return std::min(at, size - 1);
}

}  // namespace detail

// The first element of [first, first + size) for which before() is false, where before() holds
// for a prefix of the array. key is the sought key as a 64-bit word, wordOf gives an element's
// word in the same order, and [low, high] bounds the words of all elements.
template <class T, class WordOf, class Before>
std::size_t interpolatedPartition(const T* first, std::size_t size, std::uint64_t key,
                                  std::uint64_t low, std::uint64_t high, const WordOf& wordOf,
                                  const Before& before) {
    // The answer lies in [lo, hi]: every element before lo is before it, none from hi on is.
    // low and high bound the words of the elements in between.
    std::size_t lo = 0, hi = size;
    for (int guesses = 0; hi - lo > detail::kInterpolateAbove && guesses < detail::kMaxGuesses;
         ++guesses) {
        const std::size_t at = lo + detail::interpolate(key, low, high, hi - lo);
        if (before(first[at])) {
            lo = at + 1;
            low = wordOf(first[at]);
        } else {
            hi = at;
            high = wordOf(first[at]);
        }
    }
    return static_cast<std::size_t>(std::partition_point(first + lo, first + hi, before) - first);
}

// std::partition_point's answer over [first, first + size), where before() is known to hold for
// every element below from: probes from, from + 2, from + 6, from + 14, ... then halves.
template <class T, class Before>
std::size_t gallopForward(const T* first, std::size_t size, std::size_t from,
                          const Before& before) {
    std::size_t lo = from, hi = size;
    for (std::size_t step = 1; lo < size; step *= 2) {
        const std::size_t probe = std::min(lo + step - 1, size - 1);
        if (!before(first[probe])) {
            hi = probe;
            break;
        }
        lo = probe + 1;
    }
    return static_cast<std::size_t>(std::partition_point(first + lo, first + hi, before) - first);
}

// The position of the first of ids that is not less than key; ID is a CIDBase (words()).
template <class ID>
std::size_t lowerBoundID(std::type_identity_t<std::span<const ID>> ids, const ID& key) {
    return interpolatedPartition(
        ids.data(), ids.size(), key.words().first, 0, std::numeric_limits<std::uint64_t>::max(),
        [](const ID& id) { return id.words().first; }, [&key](const ID& id) { return id < key; });
}

namespace detail {
// Ticks as unsigned words in the same order.
inline std::uint64_t tickWord(int t) {
    return std::uint64_t{static_cast<std::uint32_t>(t) ^ 0x8000'0000u};
}
}  // namespace detail

// The position of the first of ascending ticks that is after tick (ticks.size() when none is).
inline std::size_t upperBoundTick(std::span<const int> ticks, int tick) {
    if (ticks.empty()) return 0;
    return interpolatedPartition(ticks.data(), ticks.size(), detail::tickWord(tick),
                                 detail::tickWord(ticks.front()), detail::tickWord(ticks.back()),
                                 detail::tickWord, [tick](int t) { return t <= tick; });
}

// The position upperBoundTick looks at first, the one interpolated between the ends (0 for no
// ticks): at regular steps, the last tick at or before tick. A caller may fetch what it will read
// there while the search runs.
inline std::size_t firstTickGuess(std::span<const int> ticks, int tick) {
    if (ticks.empty()) return 0;
    return detail::interpolate(detail::tickWord(tick), detail::tickWord(ticks.front()),
                               detail::tickWord(ticks.back()), ticks.size());
}

}  // namespace zx
