// Object handles: how callers reach one stored object without holding a raw pointer to it.
//
// A basic handle (CBasicHandle / CWritableBasicHandle) is a non-owning view of one object of
// class C through its interface I; a null basic handle dereferences to the class's static invalid
// object, so a stray dereference reads (or writes) a harmless default object instead of crashing.
// A wrapper handle (CWrapperHandle / CWritableWrapperHandle) owns one heap basic handle behind
// the abstract handle interface; lookups and getHandle() return wrappers.
//
// Handles never own the object they view: removing the object from its container leaves every
// handle on it dangling. Nothing here is safe for concurrent use.
#pragma once

#include <type_traits>
#include <utility>

#include "store/HandleHolder.h"

template <class I>
class IHandle {
public:
    virtual ~IHandle() = default;
    virtual const I* operator->() const = 0;
    virtual const I& operator*() const = 0;
    virtual operator const I*() const = 0;
    // A new heap copy of the handle, owned by the caller.
    virtual IHandle* clone() const = 0;
    virtual bool isNull() const = 0;
};

template <class I>
class IWritableHandle {
public:
    virtual ~IWritableHandle() = default;
    virtual I* operator->() const = 0;
    virtual I& operator*() const = 0;
    virtual operator I*() const = 0;
    virtual IWritableHandle* clone() const = 0;
    virtual bool isNull() const = 0;
};

template <class I, class C>
class CBasicHandle : public IHandle<I> {
public:
    // What a null handle dereferences to; built when the library loads.
    static const C s_invalidObject;

    CBasicHandle() = default;
    explicit CBasicHandle(const C* object) : m_object(object) {}
    explicit CBasicHandle(const I* object) : m_object(static_cast<const C*>(object)) {}
    CBasicHandle& operator=(const C* object) {
        m_object = object;
        return *this;
    }

    const I* operator->() const override { return m_object ? m_object : &s_invalidObject; }
    const I& operator*() const override { return *operator->(); }
    operator const I*() const override { return m_object; }
    CBasicHandle* clone() const override { return new CBasicHandle(m_object); }
    bool isNull() const override { return m_object == nullptr; }
    bool operator!() const { return isNull(); }
    const C* get() const { return m_object; }

private:
    const C* m_object = nullptr;
};

template <class I, class C>
class CWritableBasicHandle : public IWritableHandle<I> {
public:
    // What a null writable handle dereferences to; writes through a null handle land here.
    static C s_invalidObject;

    CWritableBasicHandle() = default;
    explicit CWritableBasicHandle(C* object) : m_object(object) {}
    explicit CWritableBasicHandle(I* object) : m_object(static_cast<C*>(object)) {}
    CWritableBasicHandle& operator=(C* object) {
        m_object = object;
        return *this;
    }

    I* operator->() const override { return m_object ? m_object : &s_invalidObject; }
    I& operator*() const override { return *operator->(); }
    operator I*() const override { return m_object; }
    CWritableBasicHandle* clone() const override { return new CWritableBasicHandle(m_object); }
    bool isNull() const override { return m_object == nullptr; }
    bool operator!() const { return isNull(); }
    C* get() const { return m_object; }

private:
    C* m_object = nullptr;
};

// Defined out of the classes so that a kind's explicit instantiation in the library is the one
// place they are built.
template <class I, class C>
const C CBasicHandle<I, C>::s_invalidObject{};
template <class I, class C>
C CWritableBasicHandle<I, C>::s_invalidObject{};

// What a wrapper holding no handle dereferences to: the kind's invalid object, reached through
// the interface (which knows it) rather than a concrete class the caller may not see.
template <class I>
const I* invalidObjectOf() {
    return &I::invalidObject();
}
template <class I>
I* writableInvalidObjectOf() {
    return &I::writableInvalidObject();
}

// Shared behaviour of the read and writable wrapper handles; H is the abstract handle held.
template <class H, class Derived>
class CWrapperHandleBase {
public:
    CWrapperHandleBase() = default;
    // Takes ownership of the given heap handle.
    explicit CWrapperHandleBase(H* handle) : m_handle(handle) {}
    // Builds a basic handle inside the wrapper (see zx::HandleHolder).
    template <class Concrete, class... Args>
    explicit CWrapperHandleBase(std::in_place_type_t<Concrete> concrete, Args&&... args)
        : m_handle(concrete, std::forward<Args>(args)...) {}
    CWrapperHandleBase(const CWrapperHandleBase& other) : m_handle(cloneOf(other)) {}
    CWrapperHandleBase(CWrapperHandleBase&&) noexcept = default;
    CWrapperHandleBase& operator=(const CWrapperHandleBase& other) {
        if (this != &other) m_handle.reset(cloneOf(other));
        return *this;
    }
    CWrapperHandleBase& operator=(CWrapperHandleBase&&) noexcept = default;
    ~CWrapperHandleBase() = default;

    // A wrapper without a handle (a failed lookup) dereferences to the kind's invalid object, as
    // a null basic handle does.
    auto operator->() const {
        using Element = std::remove_cvref_t<decltype(*std::declval<H&>().operator->())>;
        if (m_handle) return m_handle->operator->();
        if constexpr (std::is_const_v<std::remove_pointer_t<decltype(m_handle->operator->())>>)
            return invalidObjectOf<Element>();
        else
            return writableInvalidObjectOf<Element>();
    }
    auto& operator*() const { return *operator->(); }
    bool isNull() const { return !m_handle || m_handle->isNull(); }
    bool operator!() const { return isNull(); }
    explicit operator bool() const { return !isNull(); }
    // The viewed object, or null.
    auto get() const {
        return m_handle ? static_cast<decltype(m_handle->operator->())>(*m_handle) : nullptr;
    }
    const H* handle() const { return m_handle.get(); }

    // Value comparison of the viewed objects; two null wrappers are equal.
    friend bool operator==(const Derived& a, const Derived& b) {
        if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
        return *a == *b;
    }
    // Identity: both view the very same object (or both are null).
    bool isSame(const Derived& other) const {
        if (isNull() || other.isNull()) return isNull() && other.isNull();
        return get() == other.get();
    }

private:
    static H* cloneOf(const CWrapperHandleBase& other) {
        return other.m_handle && !other.m_handle->isNull() ? other.m_handle->clone() : nullptr;
    }

    zx::HandleHolder<H> m_handle;
};

template <class I>
class CWrapperHandle : public CWrapperHandleBase<IHandle<I>, CWrapperHandle<I>> {
public:
    using CWrapperHandleBase<IHandle<I>, CWrapperHandle<I>>::CWrapperHandleBase;
};

template <class I>
class CWritableWrapperHandle
    : public CWrapperHandleBase<IWritableHandle<I>, CWritableWrapperHandle<I>> {
public:
    using CWrapperHandleBase<IWritableHandle<I>, CWritableWrapperHandle<I>>::CWrapperHandleBase;
};
