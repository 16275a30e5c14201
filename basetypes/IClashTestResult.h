// IClashTestResult: one clash a clash test found: the two entities that clash, each with the
// assignment that put it in the model at that time, when the clash starts and ends, and where its
// review stands. It owns nothing but its values.
//
// A new result names no entity and no assignment (every ID unset) and is New.
//
// Archive record: the fields in description order.
#pragma once

#include <memory>

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/ClashEnumerations.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IClashTestResult : public IDescribed<IClashTestResult> {
public:
    static constexpr const char* s_kindName = "ClashTestResult";

    struct Fields {
        CClashTestResultID id;
        CEntity3DID entityID1;
        CAssignedResourceID assignmentID1;
        CEntity3DID entityID2;
        CAssignedResourceID assignmentID2;
        CProjectTime clashStart;
        CProjectTime clashEnd;
        CProjectString resolution;
        CProjectString responsible;
        CProjectString cameraSettings;
        CClashStatus status;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("EntityID1", &Fields::entityID1);
        v.field("AssignmentID1", &Fields::assignmentID1);
        v.field("EntityID2", &Fields::entityID2);
        v.field("AssignmentID2", &Fields::assignmentID2);
        v.field("ClashStart", &Fields::clashStart);
        v.field("ClashEnd", &Fields::clashEnd);
        v.field("Resolution", &Fields::resolution);
        v.field("Responsible", &Fields::responsible);
        v.field("CameraSettings", &Fields::cameraSettings);
        v.field("Status", &Fields::status);
    }

    const CClashTestResultID& getID() const { return fields().id; }
    void setID(const CClashTestResultID& id) { fields().id = id; }
    const CEntity3DID& getEntityID1() const { return fields().entityID1; }
    void setEntityID1(const CEntity3DID& id) { fields().entityID1 = id; }
    const CAssignedResourceID& getAssignmentID1() const { return fields().assignmentID1; }
    void setAssignmentID1(const CAssignedResourceID& id) { fields().assignmentID1 = id; }
    const CEntity3DID& getEntityID2() const { return fields().entityID2; }
    void setEntityID2(const CEntity3DID& id) { fields().entityID2 = id; }
    const CAssignedResourceID& getAssignmentID2() const { return fields().assignmentID2; }
    void setAssignmentID2(const CAssignedResourceID& id) { fields().assignmentID2 = id; }
    const CProjectTime& getClashStart() const { return fields().clashStart; }
    void setClashStart(const CProjectTime& time) { fields().clashStart = time; }
    const CProjectTime& getClashEnd() const { return fields().clashEnd; }
    void setClashEnd(const CProjectTime& time) { fields().clashEnd = time; }
    const CProjectString& getResolution() const { return fields().resolution; }
    void setResolution(const CProjectString& text) { fields().resolution = text; }
    const CProjectString& getResponsible() const { return fields().responsible; }
    void setResponsible(const CProjectString& text) { fields().responsible = text; }
    const CProjectString& getCameraSettings() const { return fields().cameraSettings; }
    void setCameraSettings(const CProjectString& text) { fields().cameraSettings = text; }
    const CClashStatus& getStatus() const { return fields().status; }
    void setStatus(const CClashStatus& status) { fields().status = status; }

    // A new heap copy of the result, owned by the caller.
    virtual std::unique_ptr<IClashTestResult> clone() const = 0;

protected:
    friend IDescribed<IClashTestResult>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CClashTestResultID& getWritableID() { return fields().id; }
    CEntity3DID& getWritableEntityID1() { return fields().entityID1; }
    CAssignedResourceID& getWritableAssignmentID1() { return fields().assignmentID1; }
    CEntity3DID& getWritableEntityID2() { return fields().entityID2; }
    CAssignedResourceID& getWritableAssignmentID2() { return fields().assignmentID2; }
    CProjectTime& getWritableClashStart() { return fields().clashStart; }
    CProjectTime& getWritableClashEnd() { return fields().clashEnd; }
    CProjectString& getWritableResolution() { return fields().resolution; }
    CProjectString& getWritableResponsible() { return fields().responsible; }
    CProjectString& getWritableCameraSettings() { return fields().cameraSettings; }
    CClashStatus& getWritableStatus() { return fields().status; }
};

using IClashTestResultHandle = CWrapperHandle<IClashTestResult>;
using IClashTestResultWritableHandle = CWritableWrapperHandle<IClashTestResult>;
using IClashTestResultArrayHandle = CWrapperArrayHandle<IClashTestResult, CClashTestResultID, 0>;
using IClashTestResultConstArrayHandle =
    CConstWrapperArrayHandle<IClashTestResult, CClashTestResultID, 0>;
ZX_DECLARE_INTERFACE(IClashTestResult, CClashTestResultID, 0);
