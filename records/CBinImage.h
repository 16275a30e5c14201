// CBinImage: a stored binary image; values, record and copy come from IBinImage. A new image has
// a fresh ID; a copy shares the original's buffer.
#pragma once

#include "basetypes/IBinImage.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CBinImage : public CStored<CBinImage, IBinImage> {
public:
    // Tells generic code (the conformance suite) that two new images are never equal.
    static constexpr bool s_newObjectsHaveFreshIdentity = true;

    CBinImage() { fields().id.generateInPlace(); }
};

using CBinImageArray = CUniqueObjectPointerArray<IBinImage, CBinImage, CBinImageID>;
using CBinImageHandle = CBasicHandle<IBinImage, CBinImage>;
using CBinImageWritableHandle = CWritableBasicHandle<IBinImage, CBinImage>;
using CBinImageArrayHandle = CBasicArrayHandle<IBinImage, CBinImage, CBinImageID, 0>;
ZX_DECLARE_KIND(IBinImage, CBinImage, CBinImageID, 0);
