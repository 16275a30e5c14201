// zx::ioBlock: reads or writes a whole array of trivially copyable elements (coordinates,
// indices) as one block, in one copy, instead of element by element.
//
// Archive record (written to disk; must never change): int32 element count, then the elements'
// bytes as they lie in memory (the archive is little-endian, and so is every host this builds
// for). Loading checks the count against the bytes that remain before it allocates anything and
// refuses a negative count; both end in CArchiveException naming the record and byte offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "basetypes/CZentrixArchive.h"

namespace zx {

namespace detail {

// The elements of E lying one after another in bytes that need not be aligned for E. Given to
// std::vector's range constructor, it fills the vector in one copying pass, where sizing the
// vector first would zero every element before the copy wrote over it.
template <class E>
class UnalignedElements {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = E;
    using difference_type = std::ptrdiff_t;
    using pointer = const E*;
    using reference = E;

    UnalignedElements() = default;
    explicit UnalignedElements(const std::byte* at) : m_at(at) {}
    E operator*() const {
        E element;
        std::memcpy(&element, m_at, sizeof element);
        return element;
    }
    UnalignedElements& operator++() {
        m_at += sizeof(E);
        return *this;
    }
    UnalignedElements operator++(int) {
        const UnalignedElements old = *this;
        ++*this;
        return old;
    }
    friend bool operator==(UnalignedElements, UnalignedElements) = default;

private:
    const std::byte* m_at = nullptr;
};

}  // namespace detail

template <class E>
requires std::is_trivially_copyable_v<E>
void ioBlock(CZentrixArchive& ar, std::vector<E>& values, const char* what) {
    constexpr std::size_t maxCount =
        static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) / sizeof(E);
    if (ar.IsStoring()) {
        if (values.size() > maxCount)
            ar.fail(std::string("a block of ") + what + " small enough to store");
        ar << static_cast<std::int32_t>(values.size());
        if (!values.empty()) ar.Write(values.data(), values.size() * sizeof(E));
        return;
    }
    const std::uint64_t at = ar.position();
    const int count = ar.readCount(sizeof(E), what);
    if (count < 0)
        ar.failAt(at, std::string("a non-negative count of ") + what + ", found " +
                          std::to_string(count));
    const std::size_t size = static_cast<std::size_t>(count) * sizeof(E);
    const std::byte* bytes = ar.consume(size, what);
    values = std::vector<E>(detail::UnalignedElements<E>(bytes),
                            detail::UnalignedElements<E>(bytes + size));
}

}  // namespace zx
