// KindTemplates: each kind's templates are compiled once, inside the library.
//
// Every kind instantiates the same family of templates: its interface's described behaviour
// (record, copy, comparison, dump), its handles, its keyed container, its array handles and their
// iterators. Left to implicit instantiation, every translation unit that touches a kind would
// compile all of them again and emit them as weak symbols. Instead each interface header ends
// with ZX_DECLARE_INTERFACE, each concrete header with ZX_DECLARE_KIND (explicit instantiation
// declarations: the compiler sees the bodies but builds none), and the kind's source file holds
// ZX_INSTANTIATE_KIND, the one explicit instantiation definition of the whole family.
//
// These are macros because explicit instantiation is a declaration that no template can write;
// they expand to nothing but the list of instantiations. The wrapper array handles are left out:
// their members are small inline forwarders, and some are constrained to one flag, which not
// every compiler skips in an explicit instantiation.
//
// The library is built with hidden visibility, and a host's translation unit builds none of these
// templates: every one of them (inline members, vtables, typeinfo and the invalid objects
// included) has to be exported. The declarations carry ZX_API. Four templates are already
// instantiated before a kind's header reaches its declarations (IDescribed and CStored as bases,
// the two containers as members), and GCC refuses an attribute on a type that is already
// complete, so those carry ZX_API on the template itself. A definition takes its visibility from
// the declaration before it, which every instantiating source file sees through the kind's
// header; it does not repeat the attribute, which GCC refuses there too and clang ignores.
#pragma once

#include "basetypes/IDescribed.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"

// The templates an interface I (with identifier ID and array-handle flag FLAG) brings.
#define ZX_INTERFACE_TEMPLATES(EXTERN, API, I, ID, FLAG)                                         \
    EXTERN template class IDescribed<I>;                                                         \
    EXTERN template class API IHandle<I>;                                                        \
    EXTERN template class API IWritableHandle<I>;                                                \
    EXTERN template class API CWrapperHandleBase<IHandle<I>, CWrapperHandle<I>>;                 \
    EXTERN template class API CWrapperHandleBase<IWritableHandle<I>, CWritableWrapperHandle<I>>; \
    EXTERN template class API CWrapperHandle<I>;                                                 \
    EXTERN template class API CWritableWrapperHandle<I>;                                         \
    EXTERN template class API IIterator<I>;                                                      \
    EXTERN template class API IConstIterator<I>;                                                 \
    EXTERN template class API CIteratorWrapperBase<IIterator<I>, CWritableWrapperHandle<I>>;     \
    EXTERN template class API CIteratorWrapperBase<IConstIterator<I>, CWrapperHandle<I>>;        \
    EXTERN template class API IConstArrayHandleCommon<I, ID, FLAG>;                              \
    EXTERN template class API IConstArrayHandle<I, ID, FLAG>;                                    \
    EXTERN template class API IArrayHandleCommon<I, ID, FLAG>;                                   \
    EXTERN template class API IArrayHandle<I, ID, FLAG>;

// The templates the concrete class C of interface I brings.
#define ZX_KIND_TEMPLATES(EXTERN, API, I, C, ID, FLAG)                                            \
    EXTERN template class CStored<C, I>;                                                          \
    EXTERN template class API CBasicHandle<I, C>;                                                 \
    EXTERN template class API CWritableBasicHandle<I, C>;                                         \
    EXTERN template class CUniqueObjectPointerArray<I, C, ID>;                                    \
    EXTERN template class API CBasicArrayReader<IConstArrayHandle<I, ID, FLAG>, I, C, ID,         \
                                                const CUniqueObjectPointerArray<I, C, ID>>;       \
    EXTERN template class API CBasicArrayFinder<IConstArrayHandle<I, ID, FLAG>, I, C, ID,         \
                                                const CUniqueObjectPointerArray<I, C, ID>, FLAG>; \
    EXTERN template class API CBasicConstArrayHandle<I, C, ID, FLAG>;                             \
    EXTERN template class API CBasicArrayReader<IArrayHandle<I, ID, FLAG>, I, C, ID,              \
                                                CUniqueObjectPointerArray<I, C, ID>>;             \
    EXTERN template class API CBasicArrayFinder<IArrayHandle<I, ID, FLAG>, I, C, ID,              \
                                                CUniqueObjectPointerArray<I, C, ID>, FLAG>;       \
    EXTERN template class API CBasicArrayHandleCommon<I, C, ID, FLAG>;                            \
    EXTERN template class API CBasicArrayHandle<I, C, ID, FLAG>;                                  \
    EXTERN template class API CArrayIteratorImpl<I, C, ID, IIterator<I>, IWritableHandle<I>>;     \
    EXTERN template class API CArrayIteratorImpl<I, C, ID, IConstIterator<I>, IHandle<I>>;        \
    EXTERN template class COptionalObjectArray<I, C, ID, FLAG>

// At the end of an interface header: the interface's templates are built in the library.
#define ZX_DECLARE_INTERFACE(I, ID, FLAG) ZX_INTERFACE_TEMPLATES(extern, ZX_API, I, ID, FLAG)

// At the end of a concrete header: C is the class generic code makes for I, and its templates
// are built in the library.
#define ZX_DECLARE_KIND(I, C, ID, FLAG) \
    template <>                         \
    struct ConcreteKind<I> {            \
        using type = C;                 \
    };                                  \
    ZX_KIND_TEMPLATES(extern, ZX_API, I, C, ID, FLAG)

// In the kind's source file: the one place the whole family is compiled.
#define ZX_INSTANTIATE_KIND(I, C, ID, FLAG)  \
    ZX_INTERFACE_TEMPLATES(, , I, ID, FLAG); \
    ZX_KIND_TEMPLATES(, , I, C, ID, FLAG)
