// When the store's arrays give unused storage back.
//
// Vectors keep their capacity when elements leave, so an array that once held many elements would
// otherwise hold on to that memory for good. After a removal, an array whose capacity exceeds the
// large-array threshold and is more than the ratio times its count is shrunk to fit; smaller
// arrays keep their capacity, so add/remove cycles on them never reallocate. The project
// constants report the same two numbers.
#pragma once

#include <cstdint>

inline constexpr int kLargeArrayThreshold = 18000;
inline constexpr int kCapacityToSizeMaximumRatio = 4;

// How many elements a loader reserves for a count read from an archive. The count is only a claim
// until the elements have been read, so past this the vector grows as they arrive and its memory
// stays in proportion to the input actually consumed.
inline constexpr int kMaxUpfrontReserve = 4096;

// True when capacity > threshold and ratio * size < capacity. Written as a division so that no
// size, however large, overflows.
constexpr bool hasExcessCapacity(std::uint64_t capacity, std::uint64_t size) {
    return capacity > static_cast<std::uint64_t>(kLargeArrayThreshold) &&
           size <= (capacity - 1) / static_cast<std::uint64_t>(kCapacityToSizeMaximumRatio);
}

// Makes sure one more element fits without reallocating, growing geometrically; a bare
// reserve(size + 1) would reallocate on every call.
template <class Vector>
void reserveOneMore(Vector& elements) {
    if (elements.size() < elements.capacity()) return;
    elements.reserve(elements.size() < 8 ? 8 : 2 * elements.size());
}

// Shrinks `elements` and the vectors kept in step with it (an ordered index, say) when the
// elements' storage is mostly unused. Called after removals.
template <class Vector, class... Companions>
void shrinkExcessCapacity(Vector& elements, Companions&... companions) {
    if (!hasExcessCapacity(elements.capacity(), elements.size())) return;
    elements.shrink_to_fit();
    (companions.shrink_to_fit(), ...);
}
