// CHandledValue<T>: handles on a plain value type that has no identity of its own (a camera, a
// camera marker, a cube map), so that it is reached the way stored objects are.
//
// T derives from CHandledValue<T>; its handles are IHandle<T> and IWritableHandle<T>, as for a
// kind whose interface is T. handle() and writableHandle() return new heap handles on the value,
// owned by the caller; getHandle() and getWritableHandle() wrap them. Handles never own the value:
// they dangle once its holder goes. A null handle dereferences to T's invalid object, as for the
// stored kinds.
//
// The handle templates of each such type are compiled once, inside the library:
// ZX_DECLARE_VALUE_HANDLES(T) after the class in its header, ZX_INSTANTIATE_VALUE_HANDLES(T) in
// its source file (see basetypes/KindTemplates.h for why).
#pragma once

#include "basetypes/ZxApi.h"
#include "store/Handles.h"

// The basic handles of a value: non-owning views of one value, which null handles replace with
// the type's invalid value (writes through a null writable handle land there).
template <class T>
class CValueHandle : public IHandle<T> {
public:
    static const T s_invalidObject;

    CValueHandle() = default;
    explicit CValueHandle(const T* value) : m_value(value) {}

    const T* operator->() const override { return m_value ? m_value : &s_invalidObject; }
    const T& operator*() const override { return *operator->(); }
    operator const T*() const override { return m_value; }
    CValueHandle* clone() const override { return new CValueHandle(m_value); }
    bool isNull() const override { return m_value == nullptr; }

private:
    const T* m_value = nullptr;
};

template <class T>
class CWritableValueHandle : public IWritableHandle<T> {
public:
    static T s_invalidObject;

    CWritableValueHandle() = default;
    explicit CWritableValueHandle(T* value) : m_value(value) {}

    T* operator->() const override { return m_value ? m_value : &s_invalidObject; }
    T& operator*() const override { return *operator->(); }
    operator T*() const override { return m_value; }
    CWritableValueHandle* clone() const override { return new CWritableValueHandle(m_value); }
    bool isNull() const override { return m_value == nullptr; }

private:
    T* m_value = nullptr;
};

template <class T>
const T CValueHandle<T>::s_invalidObject{};
template <class T>
T CWritableValueHandle<T>::s_invalidObject{};

template <class T>
class CHandledValue {
public:
    IHandle<T>* handle() const { return new CValueHandle<T>(&self()); }
    IWritableHandle<T>* writableHandle() { return new CWritableValueHandle<T>(&self()); }
    CWrapperHandle<T> getHandle() const { return CWrapperHandle<T>(handle()); }
    CWritableWrapperHandle<T> getWritableHandle() {
        return CWritableWrapperHandle<T>(writableHandle());
    }

    // What null handles of T dereference to.
    static const T& invalidObject() { return CValueHandle<T>::s_invalidObject; }
    static T& writableInvalidObject() { return CWritableValueHandle<T>::s_invalidObject; }

protected:
    CHandledValue() = default;

private:
    const T& self() const { return static_cast<const T&>(*this); }
    T& self() { return static_cast<T&>(*this); }
};

#define ZX_VALUE_HANDLE_TEMPLATES(EXTERN, API, T)                                                \
    EXTERN template class API IHandle<T>;                                                        \
    EXTERN template class API IWritableHandle<T>;                                                \
    EXTERN template class API CValueHandle<T>;                                                   \
    EXTERN template class API CWritableValueHandle<T>;                                           \
    EXTERN template class API CWrapperHandleBase<IHandle<T>, CWrapperHandle<T>>;                 \
    EXTERN template class API CWrapperHandleBase<IWritableHandle<T>, CWritableWrapperHandle<T>>; \
    EXTERN template class API CWrapperHandle<T>;                                                 \
    EXTERN template class API CWritableWrapperHandle<T>

// After the class T in its header: its handle templates are built in the library, and its handle
// classes are named T##Handle and T##WritableHandle.
#define ZX_DECLARE_VALUE_HANDLES(T)               \
    ZX_VALUE_HANDLE_TEMPLATES(extern, ZX_API, T); \
    using T##Handle = CWrapperHandle<T>;          \
    using T##WritableHandle = CWritableWrapperHandle<T>
// In T's source file: the one place they are compiled.
#define ZX_INSTANTIATE_VALUE_HANDLES(T) ZX_VALUE_HANDLE_TEMPLATES(, , T)
