// CTextureDefinition: ; values and record come from ITextureDefinition.
#pragma once

#include "basetypes/ITextureDefinition.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CTextureDefinition : public CStored<CTextureDefinition, ITextureDefinition> {
public:
    CTextureDefinition() = default;
};

using CTextureDefinitionArray =
    CUniqueObjectPointerArray<ITextureDefinition, CTextureDefinition, CTextureDefinitionID>;
using CTextureDefinitionHandle = CBasicHandle<ITextureDefinition, CTextureDefinition>;
using CTextureDefinitionWritableHandle =
    CWritableBasicHandle<ITextureDefinition, CTextureDefinition>;
using CTextureDefinitionArrayHandle =
    CBasicArrayHandle<ITextureDefinition, CTextureDefinition, CTextureDefinitionID, 0>;
ZX_DECLARE_KIND(ITextureDefinition, CTextureDefinition, CTextureDefinitionID, 0);
