// C3DWorldSettings: a project's stored world settings; values, record and conversion come from
// I3DWorldSettings.
#pragma once

#include "basetypes/I3DWorldSettings.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API C3DWorldSettings : public CStored<C3DWorldSettings, I3DWorldSettings> {
public:
    C3DWorldSettings() = default;
};

using C3DWorldSettingsArray =
    CUniqueObjectPointerArray<I3DWorldSettings, C3DWorldSettings, C3DWorldSettingsID>;
using C3DWorldSettingsHandle = CBasicHandle<I3DWorldSettings, C3DWorldSettings>;
using C3DWorldSettingsWritableHandle = CWritableBasicHandle<I3DWorldSettings, C3DWorldSettings>;
using C3DWorldSettingsArrayHandle =
    CBasicArrayHandle<I3DWorldSettings, C3DWorldSettings, C3DWorldSettingsID, 0>;
ZX_DECLARE_KIND(I3DWorldSettings, C3DWorldSettings, C3DWorldSettingsID, 0);
