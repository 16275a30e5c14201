// zx::OwnedPointerVector<C>: the objects of a keyed container by storage position, each owned
// through a std::unique_ptr<C>, with room for one of them inside the vector itself.
//
// Most collections an object owns hold zero or one object (the sub-entities of an entity in a
// deep tree, the one cost of a task). A std::vector would give the one object's pointer a heap
// block of its own, allocated on load and freed on destruction; here it sits in the place of the
// heap pointer, so the vector takes 16 bytes where std::vector takes 24, and a collection of one
// object makes no block beyond the object. From two objects on they live in one heap block that
// grows geometrically, as a std::vector's do.
//
// Only the operations the keyed container uses are offered, with std::vector's meaning: erasing or
// clearing deletes the objects still owned, and a failed allocation changes nothing. Sizes are
// 32-bit: a container holds at most INT_MAX objects.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

namespace zx {

template <class C>
class OwnedPointerVector {
public:
    using Pointer = std::unique_ptr<C>;

    OwnedPointerVector() noexcept = default;
    OwnedPointerVector(const OwnedPointerVector&) = delete;
    OwnedPointerVector& operator=(const OwnedPointerVector&) = delete;
    OwnedPointerVector(OwnedPointerVector&& other) noexcept { take(other); }
    OwnedPointerVector& operator=(OwnedPointerVector&& other) noexcept {
        if (this != &other) {
            clear();
            freeBlock();
            take(other);
        }
        return *this;
    }
    ~OwnedPointerVector() {
        clear();
        freeBlock();
    }

    std::size_t size() const noexcept { return m_size; }
    bool empty() const noexcept { return m_size == 0; }
    std::size_t capacity() const noexcept { return onHeap() ? m_capacity : 1; }
    static constexpr std::size_t max_size() noexcept {
        return static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    }

    Pointer* begin() noexcept { return data(); }
    Pointer* end() noexcept { return data() + m_size; }
    const Pointer* begin() const noexcept { return data(); }
    const Pointer* end() const noexcept { return data() + m_size; }
    Pointer& operator[](std::size_t i) noexcept { return data()[i]; }
    const Pointer& operator[](std::size_t i) const noexcept { return data()[i]; }

    void reserve(std::size_t n) {
        if (n > capacity()) moveTo(n);
    }
    // Gives the unused room back; keeps it when the smaller block cannot be had.
    void shrink_to_fit() noexcept {
        if (!onHeap() || m_size == m_capacity) return;
        try {
            moveTo(m_size);
        } catch (const std::bad_alloc&) {
        }
    }

    void push_back(Pointer&& p) {
        if (m_size == capacity()) moveTo(grown());
        new (data() + m_size) Pointer(std::move(p));
        ++m_size;
    }
    // Room is made before anything moves, so a failed allocation leaves p with the caller.
    Pointer* insert(const Pointer* position, Pointer&& p) {
        const auto at = static_cast<std::size_t>(position - begin());
        if (m_size == capacity()) moveTo(grown());
        Pointer* const d = data();
        if (at == m_size) {
            new (d + m_size) Pointer(std::move(p));
        } else {
            new (d + m_size) Pointer(std::move(d[m_size - 1]));
            std::move_backward(d + at, d + m_size - 1, d + m_size);
            d[at] = std::move(p);
        }
        ++m_size;
        return d + at;
    }
    // Deletes the object at position (if still owned) and closes the gap.
    Pointer* erase(const Pointer* position) noexcept {
        const auto at = static_cast<std::size_t>(position - begin());
        Pointer* const d = data();
        std::move(d + at + 1, d + m_size, d + at);
        d[--m_size].~Pointer();
        return d + at;
    }
    // Deletes every object; the room stays, as a std::vector's does.
    void clear() noexcept {
        Pointer* const d = data();
        while (m_size > 0) d[--m_size].~Pointer();
    }

private:
    bool onHeap() const noexcept { return m_capacity != 0; }
    Pointer* data() noexcept { return onHeap() ? m_place.block : &m_place.one; }
    const Pointer* data() const noexcept { return onHeap() ? m_place.block : &m_place.one; }
    std::size_t grown() const {
        if (m_size >= max_size()) throw std::length_error("vector too long");
        return std::min(max_size(), std::max<std::size_t>(2, 2 * std::size_t{m_size}));
    }

    // Moves the objects into room for n (n >= size()): inside the vector for n <= 1, else into a
    // heap block of n, allocated before anything moves.
    void moveTo(std::size_t n) {
        if (n > max_size()) throw std::length_error("vector too long");
        Pointer* const from = data();
        const bool wasOnHeap = onHeap();
        const std::uint32_t oldCapacity = m_capacity;
        if (n <= 1) {
            if (!wasOnHeap) return;
            Pointer kept = m_size > 0 ? std::move(from[0]) : Pointer();
            if (m_size > 0) from[0].~Pointer();
            std::allocator<Pointer>().deallocate(from, oldCapacity);
            m_capacity = 0;
            if (m_size > 0) new (&m_place.one) Pointer(std::move(kept));
            return;
        }
        Pointer* const block = std::allocator<Pointer>().allocate(n);
        for (std::uint32_t i = 0; i < m_size; ++i) {
            new (block + i) Pointer(std::move(from[i]));
            from[i].~Pointer();
        }
        if (wasOnHeap) std::allocator<Pointer>().deallocate(from, oldCapacity);
        m_place.block = block;
        m_capacity = static_cast<std::uint32_t>(n);
    }
    // Only for a vector whose objects are gone.
    void freeBlock() noexcept {
        if (!onHeap()) return;
        std::allocator<Pointer>().deallocate(m_place.block, m_capacity);
        m_place.block = nullptr;
        m_capacity = 0;
    }
    // Takes other's objects, leaving it empty; this vector holds none and no block.
    void take(OwnedPointerVector& other) noexcept {
        m_size = other.m_size;
        m_capacity = other.m_capacity;
        if (other.onHeap()) {
            m_place.block = other.m_place.block;
            other.m_place.block = nullptr;
        } else if (other.m_size > 0) {
            new (&m_place.one) Pointer(std::move(other.m_place.one));
            other.m_place.one.~Pointer();
        }
        other.m_size = 0;
        other.m_capacity = 0;
    }

    // The heap block while m_capacity is not zero; otherwise the one object's place, holding a
    // live pointer only while m_size is 1.
    union Place {
        Place() noexcept : block(nullptr) {}
        ~Place() {}
        Pointer one;
        Pointer* block;
    } m_place;
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;
};

}  // namespace zx
