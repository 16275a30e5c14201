// CLink: the stored link of a successor task to its upstream task. Its record and value
// semantics come from ILink; it adds the construction from an upstream task and a type.
#pragma once

#include "basetypes/ILink.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CLink : public CStored<CLink, ILink> {
public:
    CLink() = default;
    CLink(const CTaskID& upstreamTaskID, const CLinkType& type) : CLink() {
        setUpstreamTaskID(upstreamTaskID);
        setType(type);
    }
};

using CLinkArray = CUniqueObjectPointerArray<ILink, CLink, CLinkID>;
using CLinkHandle = CBasicHandle<ILink, CLink>;
using CLinkWritableHandle = CWritableBasicHandle<ILink, CLink>;
using CLinkArrayHandle = CBasicArrayHandle<ILink, CLink, CLinkID, 0>;
ZX_DECLARE_KIND(ILink, CLink, CLinkID, 0);
