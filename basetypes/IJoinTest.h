// IJoinTest: a stored join test, a simpler check than a clash test, with the findings it made.
// The store keeps the definition and the results only; the test owns its results.
//
// A new test (initialize) has no name, no company, is Static and has no results.
//
// Archive record: the fields in description order, then the results.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/ClashEnumerations.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IJoinTestResult.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IJoinTest : public IDescribed<IJoinTest> {
public:
    static constexpr const char* s_kindName = "JoinTest";

    struct Fields {
        CJoinTestID id;
        CCompanyID companyID;
        CProjectString name;
        CClashTestMode mode;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("CompanyID", &Fields::companyID);
        v.field("Name", &Fields::name);
        v.field("Mode", &Fields::mode);
        v.collection("Results", &IJoinTest::getResults, &IJoinTest::getResults);
    }

    const CJoinTestID& getID() const { return fields().id; }
    void setID(const CJoinTestID& id) { fields().id = id; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    void setCompanyID(const CCompanyID& id) { fields().companyID = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CClashTestMode& getMode() const { return fields().mode; }
    void setMode(const CClashTestMode& mode) { fields().mode = mode; }

    virtual IJoinTestResultConstArrayHandle getResults() const = 0;
    virtual IJoinTestResultArrayHandle getResults() = 0;
    // Adds a copy: appended (storage position returned) when index is negative or past the
    // results, otherwise inserted at index (index returned); -1 when a result with that ID is
    // already there.
    [[nodiscard]] virtual int addResult(const IJoinTestResult& result, int index) = 0;
    // True when the result was there and is removed.
    [[nodiscard]] virtual bool removeResult(const CJoinTestResultID& id) = 0;
    virtual void removeAllResults() = 0;
    // Overwrites the stored result that has result's ID; false (nothing changed) when absent.
    [[nodiscard]] virtual bool changeResult(const IJoinTestResult& result) = 0;

protected:
    friend IDescribed<IJoinTest>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CJoinTestID& getWritableID() { return fields().id; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
    CProjectString& getWritableName() { return fields().name; }
    CClashTestMode& getWritableMode() { return fields().mode; }
};

using IJoinTestHandle = CWrapperHandle<IJoinTest>;
using IJoinTestWritableHandle = CWritableWrapperHandle<IJoinTest>;
using IJoinTestArrayHandle = CWrapperArrayHandle<IJoinTest, CJoinTestID, 0>;
using IJoinTestConstArrayHandle = CConstWrapperArrayHandle<IJoinTest, CJoinTestID, 0>;
ZX_DECLARE_INTERFACE(IJoinTest, CJoinTestID, 0);
