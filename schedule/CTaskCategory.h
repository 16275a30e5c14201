// CTaskCategory: a stored task category; it can be built from its name.
#pragma once

#include "basetypes/ITaskCategory.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CTaskCategory : public CStored<CTaskCategory, ITaskCategory> {
public:
    CTaskCategory() = default;
    explicit CTaskCategory(const CProjectString& name) : CTaskCategory() { setName(name); }
};

using CTaskCategoryArray = CUniqueObjectPointerArray<ITaskCategory, CTaskCategory, CTaskCategoryID>;
using CTaskCategoryHandle = CBasicHandle<ITaskCategory, CTaskCategory>;
using CTaskCategoryWritableHandle = CWritableBasicHandle<ITaskCategory, CTaskCategory>;
using CTaskCategoryArrayHandle =
    CBasicArrayHandle<ITaskCategory, CTaskCategory, CTaskCategoryID, 0>;
ZX_DECLARE_KIND(ITaskCategory, CTaskCategory, CTaskCategoryID, 0);
