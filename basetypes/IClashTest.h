// IClashTest: a stored definition of a spatial check over the 3D model, at one moment, over a
// time range or following the schedule, and the clashes it found. The store keeps definitions and
// results only: running a test is the host's work. The test owns its results.
//
// A new test (initialize) looks for hard clashes in the whole model at once (Static), with no
// tolerance and no penetration depth, both in millimetres; it tests every entity, does not ignore
// siblings or objects of the same file, is not tempo-spatial and has no results.
//
// Archive record: the fields in description order, the results between PenetrationUnits and the
// entity-state rule.
#pragma once

#include "basetypes/CDataDefiningEntityState.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CString.h"
#include "basetypes/ClashEnumerations.h"
#include "basetypes/IClashTestResult.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IClashTest : public IDescribed<IClashTest> {
public:
    static constexpr const char* s_kindName = "ClashTest";

    struct Fields {
        CClashTestID id;
        CProjectString name;
        CCompanyID companyID;
        CClashTestMode mode;
        CProjectTime timeToTestFor;
        CProjectTime timeRangeEnd;
        CClashTestType type;
        CProjectDouble tolerance = 0.0;
        CDistanceUnitType toleranceUnits;
        CProjectBool testAllEntities = true;
        CEntity3DIDArray entitiesToTest;
        CProjectBool ignoreSiblings = false;
        CProjectBool ignoreObjectsInSameFile = false;
        CProjectDouble penetration = 0.0;
        CDistanceUnitType penetrationUnits;
        CDataDefiningEntityState ddes;
        CProjectBool isTempoSpatial = false;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("CompanyID", &Fields::companyID);
        v.field("Mode", &Fields::mode);
        v.field("TimeToTestFor", &Fields::timeToTestFor);
        v.field("TimeRangeEnd", &Fields::timeRangeEnd);
        v.field("Type", &Fields::type);
        v.field("Tolerance", &Fields::tolerance);
        v.field("ToleranceUnits", &Fields::toleranceUnits);
        v.field("TestAllEntities", &Fields::testAllEntities);
        v.field("EntitiesToTest", &Fields::entitiesToTest);
        v.field("IgnoreSiblings", &Fields::ignoreSiblings);
        v.field("IgnoreObjectsInSameFile", &Fields::ignoreObjectsInSameFile);
        v.field("Penetration", &Fields::penetration);
        v.field("PenetrationUnits", &Fields::penetrationUnits);
        v.collection("Results", &IClashTest::getResults, &IClashTest::getResults);
        v.field("DDES", &Fields::ddes);
        v.field("IsTempoSpatial", &Fields::isTempoSpatial);
    }

    const CClashTestID& getID() const { return fields().id; }
    void setID(const CClashTestID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    void setCompanyID(const CCompanyID& id) { fields().companyID = id; }
    const CClashTestMode& getMode() const { return fields().mode; }
    void setMode(const CClashTestMode& mode) { fields().mode = mode; }
    const CProjectTime& getTimeToTestFor() const { return fields().timeToTestFor; }
    void setTimeToTestFor(const CProjectTime& time) { fields().timeToTestFor = time; }
    const CProjectTime& getTimeRangeEnd() const { return fields().timeRangeEnd; }
    void setTimeRangeEnd(const CProjectTime& time) { fields().timeRangeEnd = time; }
    const CClashTestType& getType() const { return fields().type; }
    void setType(const CClashTestType& type) { fields().type = type; }
    const CProjectDouble& getTolerance() const { return fields().tolerance; }
    void setTolerance(const CProjectDouble& tolerance) { fields().tolerance = tolerance; }
    const CDistanceUnitType& getToleranceUnits() const { return fields().toleranceUnits; }
    void setToleranceUnits(const CDistanceUnitType& units) { fields().toleranceUnits = units; }
    const CProjectBool& getTestAllEntities() const { return fields().testAllEntities; }
    void setTestAllEntities(const CProjectBool& all) { fields().testAllEntities = all; }
    const CEntity3DIDArray& getEntitiesToTest() const { return fields().entitiesToTest; }
    void setEntitiesToTest(const CEntity3DIDArray& ids) { fields().entitiesToTest = ids; }
    const CProjectBool& getIgnoreSiblings() const { return fields().ignoreSiblings; }
    void setIgnoreSiblings(const CProjectBool& ignore) { fields().ignoreSiblings = ignore; }
    const CProjectBool& getIgnoreObjectsInSameFile() const {
        return fields().ignoreObjectsInSameFile;
    }
    void setIgnoreObjectsInSameFile(const CProjectBool& ignore) {
        fields().ignoreObjectsInSameFile = ignore;
    }
    const CProjectDouble& getPenetration() const { return fields().penetration; }
    void setPenetration(const CProjectDouble& depth) { fields().penetration = depth; }
    const CDistanceUnitType& getPenetrationUnits() const { return fields().penetrationUnits; }
    void setPenetrationUnits(const CDistanceUnitType& units) { fields().penetrationUnits = units; }
    const CProjectBool& getIsTempoSpatial() const { return fields().isTempoSpatial; }
    void setIsTempoSpatial(const CProjectBool& tempoSpatial) {
        fields().isTempoSpatial = tempoSpatial;
    }
    // Copies the entity-state rule out.
    void getDDES(CDataDefiningEntityState& ddes) const { ddes = fields().ddes; }
    void setDDES(const CDataDefiningEntityState& ddes) { fields().ddes = ddes; }

    virtual IClashTestResultConstArrayHandle getResults() const = 0;
    virtual IClashTestResultArrayHandle getResults() = 0;
    // Adds a copy: its storage position, or -1 when a result with that ID is already there.
    [[nodiscard]] virtual int addResult(const IClashTestResult& result) = 0;
    // Inserts a copy at index; false when the index is outside the results or the ID is taken.
    [[nodiscard]] virtual bool insertResult(const IClashTestResult& result, int index) = 0;
    // True when the result was there and is removed.
    [[nodiscard]] virtual bool removeResult(const CClashTestResultID& id) = 0;
    virtual void removeAllResults() = 0;
    // Overwrites the stored result that has result's ID; false (nothing changed) when absent.
    [[nodiscard]] virtual bool changeResult(const IClashTestResult& result) = 0;

protected:
    friend IDescribed<IClashTest>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CClashTestID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
    CClashTestMode& getWritableMode() { return fields().mode; }
    CProjectTime& getWritableTimeToTestFor() { return fields().timeToTestFor; }
    CProjectTime& getWritableTimeRangeEnd() { return fields().timeRangeEnd; }
    CClashTestType& getWritableType() { return fields().type; }
    CProjectDouble& getWritableTolerance() { return fields().tolerance; }
    CDistanceUnitType& getWritableToleranceUnits() { return fields().toleranceUnits; }
    CProjectBool& getWritableTestAllEntities() { return fields().testAllEntities; }
    CEntity3DIDArray& getWritableEntitiesToTest() { return fields().entitiesToTest; }
    CProjectBool& getWritableIgnoreSiblings() { return fields().ignoreSiblings; }
    CProjectBool& getWritableIgnoreObjectsInSameFile() { return fields().ignoreObjectsInSameFile; }
    CProjectDouble& getWritablePenetration() { return fields().penetration; }
    CDistanceUnitType& getWritablePenetrationUnits() { return fields().penetrationUnits; }
    CProjectBool& getWritableIsTempoSpatial() { return fields().isTempoSpatial; }
};

using IClashTestHandle = CWrapperHandle<IClashTest>;
using IClashTestWritableHandle = CWritableWrapperHandle<IClashTest>;
using IClashTestArrayHandle = CWrapperArrayHandle<IClashTest, CClashTestID, 0>;
using IClashTestConstArrayHandle = CConstWrapperArrayHandle<IClashTest, CClashTestID, 0>;
ZX_DECLARE_INTERFACE(IClashTest, CClashTestID, 0);
