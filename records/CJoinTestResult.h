// CJoinTestResult: a stored join test finding; its values and record come from IJoinTestResult.
// Its values start from their declared initial values; the constructor runs no initialize.
#pragma once

#include <memory>

#include "basetypes/IJoinTestResult.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CJoinTestResult : public CStored<CJoinTestResult, IJoinTestResult> {
public:
    std::unique_ptr<IJoinTestResult> clone() const override {
        return std::make_unique<CJoinTestResult>(*this);
    }
};

using CJoinTestResultArray =
    CUniqueObjectPointerArray<IJoinTestResult, CJoinTestResult, CJoinTestResultID>;
using CJoinTestResultHandle = CBasicHandle<IJoinTestResult, CJoinTestResult>;
using CJoinTestResultWritableHandle = CWritableBasicHandle<IJoinTestResult, CJoinTestResult>;
using CJoinTestResultArrayHandle =
    CBasicArrayHandle<IJoinTestResult, CJoinTestResult, CJoinTestResultID, 0>;
ZX_DECLARE_KIND(IJoinTestResult, CJoinTestResult, CJoinTestResultID, 0);
