// zx::OwnedPointer<T>: sole ownership of one heap object, for the class templates that exist once
// per kind: handle and iterator wrappers, optional collections, optional parts.
//
// It does what std::unique_ptr<T> with the default deleter does for them (move-only, deletes
// what it holds, reset, get, ->, *, truth, comparison with null), and nothing more; zx::makeOwned
// is its make_unique. Those templates are instantiated several hundred times in every translation
// unit that includes the library's umbrella header, and std::unique_ptr's machinery (its
// tuple-held deleter and the traits behind its constraints) costs milliseconds of compile time
// per instantiation, this class almost none.
#pragma once

#include <cstddef>
#include <utility>

namespace zx {

template <class T>
class OwnedPointer {
public:
    OwnedPointer() noexcept = default;
    OwnedPointer(std::nullptr_t) noexcept {}
    explicit OwnedPointer(T* owned) noexcept : m_owned(owned) {}
    OwnedPointer(OwnedPointer&& other) noexcept : m_owned(std::exchange(other.m_owned, nullptr)) {}
    OwnedPointer& operator=(OwnedPointer&& other) noexcept {
        reset(std::exchange(other.m_owned, nullptr));
        return *this;
    }
    OwnedPointer(const OwnedPointer&) = delete;
    OwnedPointer& operator=(const OwnedPointer&) = delete;
    ~OwnedPointer() { delete m_owned; }

    // Deletes what it held (unless that is owned itself) and takes owned.
    void reset(T* owned = nullptr) noexcept {
        T* const old = std::exchange(m_owned, owned);
        if (old != owned) delete old;
    }
    T* get() const noexcept { return m_owned; }
    T* operator->() const noexcept { return m_owned; }
    T& operator*() const noexcept { return *m_owned; }
    explicit operator bool() const noexcept { return m_owned != nullptr; }
    bool operator==(std::nullptr_t) const noexcept { return m_owned == nullptr; }

private:
    T* m_owned = nullptr;
};

template <class T, class... Args>
OwnedPointer<T> makeOwned(Args&&... args) {
    return OwnedPointer<T>(new T(std::forward<Args>(args)...));
}

}  // namespace zx
