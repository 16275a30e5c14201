// CUniFolder: a stored universal folder; values, record and copy come from IUniFolder.
#pragma once

#include "basetypes/IUniFolder.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CUniFolder : public CStored<CUniFolder, IUniFolder> {
public:
    CUniFolder() = default;
};

using CUniFolderArray = CUniqueObjectPointerArray<IUniFolder, CUniFolder, CUniFolderID>;
using CUniFolderHandle = CBasicHandle<IUniFolder, CUniFolder>;
using CUniFolderWritableHandle = CWritableBasicHandle<IUniFolder, CUniFolder>;
using CUniFolderArrayHandle = CBasicArrayHandle<IUniFolder, CUniFolder, CUniFolderID, 0>;
ZX_DECLARE_KIND(IUniFolder, CUniFolder, CUniFolderID, 0);
