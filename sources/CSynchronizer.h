// CSynchronizer: a stored synchronizer; values, record, copy and type switching come from
// ISynchronizer.
#pragma once

#include "basetypes/ZxApi.h"
#include "sources/ISynchronizer.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CSynchronizer : public CStored<CSynchronizer, ISynchronizer> {
public:
    CSynchronizer() = default;
};

using CSynchronizerArray = CUniqueObjectPointerArray<ISynchronizer, CSynchronizer, CSynchronizerID>;
using CSynchronizerHandle = CBasicHandle<ISynchronizer, CSynchronizer>;
using CSynchronizerWritableHandle = CWritableBasicHandle<ISynchronizer, CSynchronizer>;
using CSynchronizerArrayHandle =
    CBasicArrayHandle<ISynchronizer, CSynchronizer, CSynchronizerID, 0>;
ZX_DECLARE_KIND(ISynchronizer, CSynchronizer, CSynchronizerID, 0);
