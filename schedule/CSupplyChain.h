// CSupplyChain: the stored supply chain a task embeds; everything it is comes from ISupplyChain.
#pragma once

#include "basetypes/ISupplyChain.h"
#include "basetypes/ZxApi.h"

class ZX_API CSupplyChain : public CStored<CSupplyChain, ISupplyChain> {
public:
    CSupplyChain() = default;
};

using CSupplyChainHandle = CBasicHandle<ISupplyChain, CSupplyChain>;
using CSupplyChainWritableHandle = CWritableBasicHandle<ISupplyChain, CSupplyChain>;
ZX_DECLARE_KIND(ISupplyChain, CSupplyChain, CSupplyChainID, 0);
