// zx::HandleHolder: owns the one handle object a wrapper handle holds, reached through its
// interface H (an object handle or an array handle).
//
// A handle the store makes itself, a basic handle over an object or a container (a vtable and a
// pointer), is built inside the holder; a handle the host hands over stays on the heap where the
// host made it and is deleted from there. Generic operations (writing and reading records,
// comparing, copying) reach every collection and element they visit through such a wrapper, so
// making those handles without a heap block each is a good part of their speed.
//
// Moving a holder moves a handle built inside it into the new holder: the handles built inside
// hold pointers only, so a move cannot fail. Copying is the wrapper's business (it clones onto the
// heap).
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace zx {

template <class H>
class HandleHolder {
public:
    // Room for a vtable pointer and one more pointer.
    static constexpr std::size_t kInsideSize = 2 * sizeof(void*);

    HandleHolder() noexcept = default;
    // Takes ownership of a heap handle.
    explicit HandleHolder(H* heap) noexcept : m_handle(heap) {}
    // Builds a Concrete handle inside the holder.
    template <class Concrete, class... Args>
    explicit HandleHolder(std::in_place_type_t<Concrete>, Args&&... args) noexcept(
        std::is_nothrow_constructible_v<Concrete, Args...>) {
        static_assert(std::is_base_of_v<H, Concrete>);
        static_assert(sizeof(Concrete) <= kInsideSize && alignof(Concrete) <= alignof(void*),
                      "only small handles are built inside a wrapper");
        static_assert(std::is_nothrow_move_constructible_v<Concrete>);
        m_handle = ::new (static_cast<void*>(m_inside)) Concrete(std::forward<Args>(args)...);
        m_relocate = &relocate<Concrete>;
    }
    HandleHolder(HandleHolder&& other) noexcept { take(other); }
    HandleHolder& operator=(HandleHolder&& other) noexcept {
        if (this != &other) {
            reset();
            take(other);
        }
        return *this;
    }
    HandleHolder(const HandleHolder&) = delete;
    HandleHolder& operator=(const HandleHolder&) = delete;
    ~HandleHolder() { reset(); }

    // Ends the held handle (unless heap is that very handle) and takes ownership of heap.
    void reset(H* heap = nullptr) noexcept {
        H* const old = m_handle;
        m_handle = heap;
        if (m_relocate) {
            std::destroy_at(old);
            m_relocate = nullptr;
        } else if (old != heap) {
            delete old;
        }
    }

    H* get() const noexcept { return m_handle; }
    H* operator->() const noexcept { return m_handle; }
    H& operator*() const noexcept { return *m_handle; }
    explicit operator bool() const noexcept { return m_handle != nullptr; }

private:
    using Relocate = H* (*)(H* from, void* to) noexcept;

    // Moves a Concrete handle built in one holder into another holder's room and ends the old.
    template <class Concrete>
    static H* relocate(H* from, void* to) noexcept {
        auto* source = static_cast<Concrete*>(from);
        H* const moved = ::new (to) Concrete(std::move(*source));
        std::destroy_at(source);
        return moved;
    }

    void take(HandleHolder& other) noexcept {
        // Plain assignments rather than std::exchange: its instantiations over these pointer
        // types would be exported beside the wrappers.
        m_relocate = other.m_relocate;
        m_handle = m_relocate ? m_relocate(other.m_handle, m_inside) : other.m_handle;
        other.m_relocate = nullptr;
        other.m_handle = nullptr;
    }

    H* m_handle = nullptr;
    // Set while the handle is built inside: how to move it to another holder.
    Relocate m_relocate = nullptr;
    alignas(void*) std::byte m_inside[kInsideSize] = {};
};

}  // namespace zx
