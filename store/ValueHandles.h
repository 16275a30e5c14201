// CHandledValue<T>: handles on a plain value type that has no identity of its own (a camera, a
// camera marker, a cube map), so that it is reached the way stored objects are.
//
// T derives from CHandledValue<T>; it is then both the interface and the class its handles view.
// handle() and writableHandle() return new heap handles on the value, owned by the caller;
// getHandle() and getWritableHandle() wrap them. Handles never own the value: they dangle once
// its holder goes. A null handle dereferences to T's invalid object, as for the stored kinds.
//
// The handle templates of each such type are compiled once, inside the library:
// ZX_DECLARE_VALUE_HANDLES(T) after the class in its header, ZX_INSTANTIATE_VALUE_HANDLES(T) in
// its source file (see basetypes/KindTemplates.h for why).
#pragma once

#include "basetypes/ZxApi.h"
#include "store/Handles.h"

template <class T>
class CHandledValue {
public:
    IHandle<T>* handle() const { return new CBasicHandle<T, T>(&self()); }
    IWritableHandle<T>* writableHandle() { return new CWritableBasicHandle<T, T>(&self()); }
    CWrapperHandle<T> getHandle() const { return CWrapperHandle<T>(handle()); }
    CWritableWrapperHandle<T> getWritableHandle() {
        return CWritableWrapperHandle<T>(writableHandle());
    }

    // What null handles of T dereference to.
    static const T& invalidObject() { return CBasicHandle<T, T>::s_invalidObject; }
    static T& writableInvalidObject() { return CWritableBasicHandle<T, T>::s_invalidObject; }

protected:
    CHandledValue() = default;

private:
    const T& self() const { return static_cast<const T&>(*this); }
    T& self() { return static_cast<T&>(*this); }
};

#define ZX_VALUE_HANDLE_TEMPLATES(EXTERN, API, T)                                                \
    EXTERN template class API IHandle<T>;                                                        \
    EXTERN template class API IWritableHandle<T>;                                                \
    EXTERN template class API CBasicHandle<T, T>;                                                \
    EXTERN template class API CWritableBasicHandle<T, T>;                                        \
    EXTERN template class API CWrapperHandleBase<IHandle<T>, CWrapperHandle<T>>;                 \
    EXTERN template class API CWrapperHandleBase<IWritableHandle<T>, CWritableWrapperHandle<T>>; \
    EXTERN template class API CWrapperHandle<T>;                                                 \
    EXTERN template class API CWritableWrapperHandle<T>

// After the class T in its header: its handle templates are built in the library.
#define ZX_DECLARE_VALUE_HANDLES(T) ZX_VALUE_HANDLE_TEMPLATES(extern, ZX_API, T)
// In T's source file: the one place they are compiled.
#define ZX_INSTANTIATE_VALUE_HANDLES(T) ZX_VALUE_HANDLE_TEMPLATES(, , T)
