// CUserField: a stored user field definition; everything it is comes from IUserField.
#pragma once

#include "basetypes/IUserField.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CUserField : public CStored<CUserField, IUserField> {
public:
    CUserField() = default;
};

using CUserFieldArray = CUniqueObjectPointerArray<IUserField, CUserField, CUserFieldID>;
using CUserFieldHandle = CBasicHandle<IUserField, CUserField>;
using CUserFieldWritableHandle = CWritableBasicHandle<IUserField, CUserField>;
using CUserFieldArrayHandle = CBasicArrayHandle<IUserField, CUserField, CUserFieldID, 0>;
ZX_DECLARE_KIND(IUserField, CUserField, CUserFieldID, 0);
