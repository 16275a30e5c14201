// CCompany: a stored company; values and record come from ICompany.
#pragma once

#include "basetypes/ICompany.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCompany : public CStored<CCompany, ICompany> {
public:
    CCompany() = default;
    CCompany(const CCompany& other) : CStored<CCompany, ICompany>() { copyFrom(other); }
    CCompany& operator=(const CCompany& other) {
        copyFrom(other);
        return *this;
    }
};

using CCompanyArray = CUniqueObjectPointerArray<ICompany, CCompany, CCompanyID>;
using CCompanyHandle = CBasicHandle<ICompany, CCompany>;
using CCompanyWritableHandle = CWritableBasicHandle<ICompany, CCompany>;
using CCompanyArrayHandle = CBasicArrayHandle<ICompany, CCompany, CCompanyID, 0>;
ZX_DECLARE_KIND(ICompany, CCompany, CCompanyID, 0);
