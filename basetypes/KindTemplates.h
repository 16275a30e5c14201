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
#pragma once

#include "basetypes/IDescribed.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"

// The templates an interface I (with identifier ID and array-handle flag FLAG) brings.
#define ZX_INTERFACE_TEMPLATES(EXTERN, I, ID, FLAG)                                          \
    EXTERN template class IDescribed<I>;                                                     \
    EXTERN template class IHandle<I>;                                                        \
    EXTERN template class IWritableHandle<I>;                                                \
    EXTERN template class CWrapperHandleBase<IHandle<I>, CWrapperHandle<I>>;                 \
    EXTERN template class CWrapperHandleBase<IWritableHandle<I>, CWritableWrapperHandle<I>>; \
    EXTERN template class CWrapperHandle<I>;                                                 \
    EXTERN template class CWritableWrapperHandle<I>;                                         \
    EXTERN template class IIterator<I>;                                                      \
    EXTERN template class IConstIterator<I>;                                                 \
    EXTERN template class CIteratorWrapperBase<IIterator<I>, CWritableWrapperHandle<I>>;     \
    EXTERN template class CIteratorWrapperBase<IConstIterator<I>, CWrapperHandle<I>>;        \
    EXTERN template class IConstArrayHandleCommon<I, ID, FLAG>;                              \
    EXTERN template class IConstArrayHandle<I, ID, FLAG>;                                    \
    EXTERN template class IArrayHandleCommon<I, ID, FLAG>;                                   \
    EXTERN template class IArrayHandle<I, ID, FLAG>;

// The templates the concrete class C of interface I brings.
#define ZX_KIND_TEMPLATES(EXTERN, I, C, ID, FLAG)                                             \
    EXTERN template class CStored<C, I>;                                                      \
    EXTERN template class CBasicHandle<I, C>;                                                 \
    EXTERN template class CWritableBasicHandle<I, C>;                                         \
    EXTERN template class CUniqueObjectPointerArray<I, C, ID>;                                \
    EXTERN template class CBasicArrayReader<IConstArrayHandle<I, ID, FLAG>, I, C, ID,         \
                                            const CUniqueObjectPointerArray<I, C, ID>>;       \
    EXTERN template class CBasicArrayFinder<IConstArrayHandle<I, ID, FLAG>, I, C, ID,         \
                                            const CUniqueObjectPointerArray<I, C, ID>, FLAG>; \
    EXTERN template class CBasicConstArrayHandle<I, C, ID, FLAG>;                             \
    EXTERN template class CBasicArrayReader<IArrayHandle<I, ID, FLAG>, I, C, ID,              \
                                            CUniqueObjectPointerArray<I, C, ID>>;             \
    EXTERN template class CBasicArrayFinder<IArrayHandle<I, ID, FLAG>, I, C, ID,              \
                                            CUniqueObjectPointerArray<I, C, ID>, FLAG>;       \
    EXTERN template class CBasicArrayHandleCommon<I, C, ID, FLAG>;                            \
    EXTERN template class CBasicArrayHandle<I, C, ID, FLAG>;                                  \
    EXTERN template class CArrayIteratorImpl<I, C, ID, IIterator<I>, IWritableHandle<I>>;     \
    EXTERN template class CArrayIteratorImpl<I, C, ID, IConstIterator<I>, IHandle<I>>;        \
    EXTERN template class COptionalObjectArray<I, C, ID, FLAG>

// At the end of an interface header: the interface's templates are built in the library.
#define ZX_DECLARE_INTERFACE(I, ID, FLAG) ZX_INTERFACE_TEMPLATES(extern, I, ID, FLAG)

// At the end of a concrete header: C is the class generic code makes for I, and its templates
// are built in the library.
#define ZX_DECLARE_KIND(I, C, ID, FLAG) \
    template <>                         \
    struct ConcreteKind<I> {            \
        using type = C;                 \
    };                                  \
    ZX_KIND_TEMPLATES(extern, I, C, ID, FLAG)

// In the kind's source file: the one place the whole family is compiled.
#define ZX_INSTANTIATE_KIND(I, C, ID, FLAG) \
    ZX_INTERFACE_TEMPLATES(, I, ID, FLAG);  \
    ZX_KIND_TEMPLATES(, I, C, ID, FLAG)
