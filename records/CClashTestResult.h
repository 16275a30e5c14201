// CClashTestResult: a stored clash result; its values and record come from IClashTestResult.
#pragma once

#include <memory>

#include "basetypes/IClashTestResult.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CClashTestResult : public CStored<CClashTestResult, IClashTestResult> {
public:
    CClashTestResult() = default;

    std::unique_ptr<IClashTestResult> clone() const override {
        return std::make_unique<CClashTestResult>(*this);
    }
};

using CClashTestResultArray =
    CUniqueObjectPointerArray<IClashTestResult, CClashTestResult, CClashTestResultID>;
using CClashTestResultHandle = CBasicHandle<IClashTestResult, CClashTestResult>;
using CClashTestResultWritableHandle = CWritableBasicHandle<IClashTestResult, CClashTestResult>;
using CClashTestResultArrayHandle =
    CBasicArrayHandle<IClashTestResult, CClashTestResult, CClashTestResultID, 0>;
ZX_DECLARE_KIND(IClashTestResult, CClashTestResult, CClashTestResultID, 0);
