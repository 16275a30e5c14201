// CSpatialUseProfile: a stored spatial use profile; its values and record come from
// ISpatialUseProfile.
#pragma once

#include "basetypes/ISpatialUseProfile.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CSpatialUseProfile : public CStored<CSpatialUseProfile, ISpatialUseProfile> {
public:
    CSpatialUseProfile() = default;
};

using CSpatialUseProfileArray =
    CUniqueObjectPointerArray<ISpatialUseProfile, CSpatialUseProfile, CSpatialUseProfileID>;
using CSpatialUseProfileHandle = CBasicHandle<ISpatialUseProfile, CSpatialUseProfile>;
using CSpatialUseProfileWritableHandle =
    CWritableBasicHandle<ISpatialUseProfile, CSpatialUseProfile>;
using CSpatialUseProfileArrayHandle =
    CBasicArrayHandle<ISpatialUseProfile, CSpatialUseProfile, CSpatialUseProfileID, 0>;
ZX_DECLARE_KIND(ISpatialUseProfile, CSpatialUseProfile, CSpatialUseProfileID, 0);
