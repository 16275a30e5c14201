// CClashTest: a stored clash test and the results it owns, kept sorted by ID.
#pragma once

#include "basetypes/IClashTest.h"
#include "basetypes/ZxApi.h"
#include "records/CClashTestResult.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CClashTest : public CStored<CClashTest, IClashTest> {
public:
    CClashTest() = default;
    CClashTest(const CClashTest& other) : CClashTest() { copyFrom(other); }
    CClashTest& operator=(const CClashTest& other) {
        copyFrom(other);
        return *this;
    }
    ~CClashTest() override = default;

    IClashTestResultConstArrayHandle getResults() const override;
    IClashTestResultArrayHandle getResults() override;
    [[nodiscard]] int addResult(const IClashTestResult& result) override {
        return m_results.Add(result);
    }
    [[nodiscard]] bool insertResult(const IClashTestResult& result, int index) override {
        return m_results.InsertAt(index, result);
    }
    [[nodiscard]] bool removeResult(const CClashTestResultID& id) override {
        return m_results.Remove(id);
    }
    void removeAllResults() override { m_results.RemoveAll(); }
    [[nodiscard]] bool changeResult(const IClashTestResult& result) override {
        return m_results.changeElement(result);
    }

private:
    CClashTestResultArray m_results;
};

using CClashTestArray = CUniqueObjectPointerArray<IClashTest, CClashTest, CClashTestID>;
using CClashTestHandle = CBasicHandle<IClashTest, CClashTest>;
using CClashTestWritableHandle = CWritableBasicHandle<IClashTest, CClashTest>;
using CClashTestArrayHandle = CBasicArrayHandle<IClashTest, CClashTest, CClashTestID, 0>;
ZX_DECLARE_KIND(IClashTest, CClashTest, CClashTestID, 0);
