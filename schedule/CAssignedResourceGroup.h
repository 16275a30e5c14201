// CAssignedResourceGroup: a stored resource group assignment; everything it is comes from
// IAssignedResourceGroup. Tasks hold their group assignments in a CAssignedResourceGroupArray.
#pragma once

#include <memory>

#include "basetypes/IAssignedResourceGroup.h"
#include "basetypes/ZxApi.h"
#include "schedule/CRSHistory.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CAssignedResourceGroup
    : public CStored<CAssignedResourceGroup, IAssignedResourceGroup> {
public:
    CAssignedResourceGroup() = default;
    // A new, empty history for the statuses of the assigned resource; the caller owns it.
    std::unique_ptr<CRSHistory> getNewWritableStatuses() const {
        return std::make_unique<CRSHistory>();
    }
};

using CAssignedResourceGroupArray =
    CUniqueObjectPointerArray<IAssignedResourceGroup, CAssignedResourceGroup,
                              CAssignedResourceGroupID>;
using CAssignedResourceGroupHandle = CBasicHandle<IAssignedResourceGroup, CAssignedResourceGroup>;
using CAssignedResourceGroupWritableHandle =
    CWritableBasicHandle<IAssignedResourceGroup, CAssignedResourceGroup>;
using CAssignedResourceGroupArrayHandle =
    CBasicArrayHandle<IAssignedResourceGroup, CAssignedResourceGroup, CAssignedResourceGroupID, 0>;
ZX_DECLARE_KIND(IAssignedResourceGroup, CAssignedResourceGroup, CAssignedResourceGroupID, 0);
