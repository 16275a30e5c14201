// CJoinTest: a stored join test and the results it owns, kept sorted by ID.
#pragma once

#include "basetypes/IJoinTest.h"
#include "basetypes/ZxApi.h"
#include "records/CJoinTestResult.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CJoinTest : public CStored<CJoinTest, IJoinTest> {
public:
    CJoinTest() = default;
    CJoinTest(const CJoinTest& other) : CJoinTest() { copyFrom(other); }
    CJoinTest& operator=(const CJoinTest& other) {
        copyFrom(other);
        return *this;
    }
    ~CJoinTest() override = default;

    IJoinTestResultConstArrayHandle getResults() const override;
    IJoinTestResultArrayHandle getResults() override;
    [[nodiscard]] int addResult(const IJoinTestResult& result, int index) override;
    [[nodiscard]] bool removeResult(const CJoinTestResultID& id) override {
        return m_results.Remove(id);
    }
    void removeAllResults() override { m_results.RemoveAll(); }
    [[nodiscard]] bool changeResult(const IJoinTestResult& result) override {
        return m_results.changeElement(result);
    }

private:
    CJoinTestResultArray m_results;
};

using CJoinTestArray = CUniqueObjectPointerArray<IJoinTest, CJoinTest, CJoinTestID>;
using CJoinTestHandle = CBasicHandle<IJoinTest, CJoinTest>;
using CJoinTestWritableHandle = CWritableBasicHandle<IJoinTest, CJoinTest>;
using CJoinTestArrayHandle = CBasicArrayHandle<IJoinTest, CJoinTest, CJoinTestID, 0>;
ZX_DECLARE_KIND(IJoinTest, CJoinTest, CJoinTestID, 0);
