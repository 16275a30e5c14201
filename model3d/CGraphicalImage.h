// CGraphicalImage: ; values and record come from IGraphicalImage.
#pragma once

#include "basetypes/IGraphicalImage.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CGraphicalImage : public CStored<CGraphicalImage, IGraphicalImage> {
public:
    CGraphicalImage() = default;
};

using CGraphicalImageArray =
    CUniqueObjectPointerArray<IGraphicalImage, CGraphicalImage, CGraphicalImageID>;
using CGraphicalImageHandle = CBasicHandle<IGraphicalImage, CGraphicalImage>;
using CGraphicalImageWritableHandle = CWritableBasicHandle<IGraphicalImage, CGraphicalImage>;
using CGraphicalImageArrayHandle =
    CBasicArrayHandle<IGraphicalImage, CGraphicalImage, CGraphicalImageID, 0>;
ZX_DECLARE_KIND(IGraphicalImage, CGraphicalImage, CGraphicalImageID, 0);
