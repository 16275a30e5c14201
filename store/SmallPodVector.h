// zx::SmallPodVector: a vector of trivially copyable values that keeps up to N of them inside
// itself and moves them to one heap block beyond that.
//
// The keyed containers' indexes hold two arrays per collection, and most collections an object
// owns have one or two entries: with the entries inside the index, loading such a collection makes
// two heap blocks fewer (and destroying it frees two fewer). Only the operations the indexes use
// are offered. Sizes are 32-bit: a container holds at most INT_MAX objects.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace zx {

template <class T, std::uint32_t N>
class SmallPodVector {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_default_constructible_v<T>);
    static_assert(N > 0);

public:
    SmallPodVector() noexcept = default;
    SmallPodVector(const SmallPodVector& other) { assign(other.data(), other.size()); }
    SmallPodVector(SmallPodVector&& other) noexcept { take(other); }
    SmallPodVector& operator=(const SmallPodVector& other) {
        if (this != &other) assign(other.data(), other.size());
        return *this;
    }
    SmallPodVector& operator=(SmallPodVector&& other) noexcept {
        if (this != &other) {
            m_heap.reset();
            take(other);
        }
        return *this;
    }
    ~SmallPodVector() = default;

    std::size_t size() const noexcept { return m_size; }
    bool empty() const noexcept { return m_size == 0; }
    std::size_t capacity() const noexcept { return m_capacity; }
    // Bytes of the heap block (0 while the values are inside).
    std::size_t heapBytes() const noexcept { return m_heap ? m_capacity * sizeof(T) : 0; }

    T* data() noexcept { return m_heap ? m_heap.get() : local(); }
    const T* data() const noexcept { return m_heap ? m_heap.get() : local(); }
    T* begin() noexcept { return data(); }
    T* end() noexcept { return data() + m_size; }
    const T* begin() const noexcept { return data(); }
    const T* end() const noexcept { return data() + m_size; }
    T& operator[](std::size_t i) noexcept { return data()[i]; }
    const T& operator[](std::size_t i) const noexcept { return data()[i]; }

    // Replaces the contents with count values from values (which may not lie in this vector).
    void assign(const T* values, std::size_t count) {
        if (count > m_capacity) reallocate(count, 0);
        if (count != 0) std::memcpy(data(), values, count * sizeof(T));
        m_size = static_cast<std::uint32_t>(count);
    }

    void reserve(std::size_t count) {
        if (count > m_capacity) reallocate(count, m_size);
    }
    // Back inside when the values fit, else into a block of exactly their size.
    void shrink_to_fit() {
        if (!m_heap || m_size == m_capacity) return;
        if (m_size <= N) {
            std::memcpy(local(), m_heap.get(), m_size * sizeof(T));
            m_heap.reset();
            m_capacity = N;
        } else {
            reallocate(m_size, m_size);
        }
    }

    void push_back(const T& value) {
        const T copy = value;
        if (m_size == m_capacity) reallocate(grownCapacity(), m_size);
        data()[m_size++] = copy;
    }
    // Inserts value before position; the capacity must already hold it when the caller needs
    // the insert not to throw.
    T* insert(const T* position, const T& value) {
        const T copy = value;
        const auto at = static_cast<std::size_t>(position - data());
        if (m_size == m_capacity) reallocate(grownCapacity(), m_size);
        T* values = data();
        std::memmove(values + at + 1, values + at, (m_size - at) * sizeof(T));
        values[at] = copy;
        ++m_size;
        return values + at;
    }
    T* erase(const T* position) noexcept {
        const auto at = static_cast<std::size_t>(position - data());
        T* values = data();
        std::memmove(values + at, values + at + 1, (m_size - at - 1) * sizeof(T));
        --m_size;
        return values + at;
    }

private:
    T* local() noexcept { return reinterpret_cast<T*>(m_local); }
    const T* local() const noexcept { return reinterpret_cast<const T*>(m_local); }

    std::size_t grownCapacity() const {
        return std::max<std::size_t>(std::size_t{m_capacity} * 2, 8);
    }

    // Moves the first keep values into a heap block of the given capacity.
    void reallocate(std::size_t capacity, std::size_t keep) {
        if (capacity > static_cast<std::size_t>(INT32_MAX))
            throw std::length_error("vector too long");
        auto block = std::make_unique_for_overwrite<T[]>(capacity);
        if (keep != 0) std::memcpy(block.get(), data(), keep * sizeof(T));
        m_heap = std::move(block);
        m_capacity = static_cast<std::uint32_t>(capacity);
    }

    void take(SmallPodVector& other) noexcept {
        if (other.m_heap) {
            m_heap = std::move(other.m_heap);
        } else {
            std::memcpy(m_local, other.m_local, other.m_size * sizeof(T));
        }
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, N);
    }

    std::unique_ptr<T[]> m_heap;
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = N;
    alignas(T) std::byte m_local[N * sizeof(T)];
};

}  // namespace zx
