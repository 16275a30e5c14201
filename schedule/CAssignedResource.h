// CAssignedResource: a stored resource assignment; everything it is comes from IAssignedResource.
// Tasks hold their assignments in a CAssignedResourceArray.
#pragma once

#include <memory>

#include "basetypes/IAssignedResource.h"
#include "basetypes/ZxApi.h"
#include "schedule/CRSHistory.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CAssignedResource : public CStored<CAssignedResource, IAssignedResource> {
public:
    CAssignedResource() = default;
    // A new, empty history for the statuses of the assigned resource; the caller owns it.
    std::unique_ptr<CRSHistory> getNewWritableStatuses() const {
        return std::make_unique<CRSHistory>();
    }
};

using CAssignedResourceArray =
    CUniqueObjectPointerArray<IAssignedResource, CAssignedResource, CAssignedResourceID>;
using CAssignedResourceHandle = CBasicHandle<IAssignedResource, CAssignedResource>;
using CAssignedResourceWritableHandle = CWritableBasicHandle<IAssignedResource, CAssignedResource>;
using CAssignedResourceArrayHandle =
    CBasicArrayHandle<IAssignedResource, CAssignedResource, CAssignedResourceID, 0>;
ZX_DECLARE_KIND(IAssignedResource, CAssignedResource, CAssignedResourceID, 0);
