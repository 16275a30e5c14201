// The roots of every kind in the list of kinds (KindList.h), with their interface and handle
// names: for a listed kind Name, I<Name>Root, C<Name>Root, C<Name>RootHandle and
// C<Name>RootWritableHandle. Their templates are compiled once, in Roots.cpp.
#pragma once

#include "basetypes/ZxApi.h"
#include "project/CObjectRoot.h"
#include "project/KindList.h"

#define ZX_ROOT_NAMES(Name, FLAG)                                           \
    using I##Name##Root = IObjectRoot<I##Name, C##Name##ID, FLAG>;          \
    using C##Name##Root = CObjectRoot<I##Name, C##Name, C##Name##ID, FLAG>; \
    using C##Name##RootHandle = CBasicHandle<I##Name##Root, C##Name##Root>; \
    using C##Name##RootWritableHandle = CWritableBasicHandle<I##Name##Root, C##Name##Root>;
ZX_DOCUMENT_ROOT_KINDS(ZX_ROOT_NAMES)
#undef ZX_ROOT_NAMES

namespace zx {

// The root of each listed kind's concrete class: RootOf<CTask>::type is CTaskRoot.
template <class C>
struct RootOf;

#define ZX_LISTED_ROOT(Name, FLAG) , C##Name##Root
// Every root, in file order.
using RootTypes = DropFirst<TypeList<void ZX_DOCUMENT_ROOT_KINDS(ZX_LISTED_ROOT)>>::type;
#undef ZX_LISTED_ROOT

}  // namespace zx

#define ZX_ROOT_OF(Name, FLAG)      \
    template <>                     \
    struct zx::RootOf<C##Name> {    \
        using type = C##Name##Root; \
    };
ZX_DOCUMENT_ROOT_KINDS(ZX_ROOT_OF)
#undef ZX_ROOT_OF

// The templates one root brings; Roots.cpp defines them, every other file only declares them.
// The declarations export them (the definitions follow them, as in KindTemplates.h).
#define ZX_ROOT_TEMPLATES(EXTERN, API, Name, FLAG)                              \
    EXTERN template class API IObjectRoot<I##Name, C##Name##ID, FLAG>;          \
    EXTERN template class API CObjectRoot<I##Name, C##Name, C##Name##ID, FLAG>; \
    EXTERN template class API IHandle<I##Name##Root>;                           \
    EXTERN template class API IWritableHandle<I##Name##Root>;                   \
    EXTERN template class API CBasicHandle<I##Name##Root, C##Name##Root>;       \
    EXTERN template class API CWritableBasicHandle<I##Name##Root, C##Name##Root>;
#define ZX_DECLARE_ROOT(Name, FLAG) ZX_ROOT_TEMPLATES(extern, ZX_API, Name, FLAG)
ZX_DOCUMENT_ROOT_KINDS(ZX_DECLARE_ROOT)
#undef ZX_DECLARE_ROOT
