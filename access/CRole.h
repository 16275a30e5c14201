// CRole: a stored role; values and record come from IRole. A new role grants nothing (see
// IRole for the standard roles).
#pragma once

#include "basetypes/IRole.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CRole : public CStored<CRole, IRole> {
public:
    CRole() = default;
    CRole(const CRole& other) : CStored<CRole, IRole>() { copyFrom(other); }
    CRole& operator=(const CRole& other) {
        copyFrom(other);
        return *this;
    }
};

using CRoleArray = CUniqueObjectPointerArray<IRole, CRole, CRoleID>;
using CRoleHandle = CBasicHandle<IRole, CRole>;
using CRoleWritableHandle = CWritableBasicHandle<IRole, CRole>;
using CRoleArrayHandle = CBasicArrayHandle<IRole, CRole, CRoleID, 0>;
ZX_DECLARE_KIND(IRole, CRole, CRoleID, 0);
