// IJoinTestResult: one finding of a join test: the entity concerned, the time range of the
// finding and where its review stands. It owns nothing but its values.
//
// A new result names no entity (its IDs unset) and is New.
//
// Archive record: the fields in description order.
#pragma once

#include <memory>

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CString.h"
#include "basetypes/ClashEnumerations.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IJoinTestResult : public IDescribed<IJoinTestResult> {
public:
    static constexpr const char* s_kindName = "JoinTestResult";

    struct Fields {
        CJoinTestResultID id;
        CEntity3DID entityID;
        CProjectTime startTime;
        CProjectTime endTime;
        CProjectString resolution;
        CProjectString responsible;
        CProjectString cameraSettings;
        CClashStatus status;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("EntityID", &Fields::entityID);
        v.field("StartTime", &Fields::startTime);
        v.field("EndTime", &Fields::endTime);
        v.field("Resolution", &Fields::resolution);
        v.field("Responsible", &Fields::responsible);
        v.field("CameraSettings", &Fields::cameraSettings);
        v.field("Status", &Fields::status);
    }

    const CJoinTestResultID& getID() const { return fields().id; }
    void setID(const CJoinTestResultID& id) { fields().id = id; }
    const CEntity3DID& getEntityID() const { return fields().entityID; }
    void setEntityID(const CEntity3DID& id) { fields().entityID = id; }
    const CProjectTime& getStartTime() const { return fields().startTime; }
    void setStartTime(const CProjectTime& time) { fields().startTime = time; }
    const CProjectTime& getEndTime() const { return fields().endTime; }
    void setEndTime(const CProjectTime& time) { fields().endTime = time; }
    const CProjectString& getResolution() const { return fields().resolution; }
    void setResolution(const CString& text) { fields().resolution = text; }
    const CProjectString& getResponsible() const { return fields().responsible; }
    void setResponsible(const CString& text) { fields().responsible = text; }
    const CProjectString& getCameraSettings() const { return fields().cameraSettings; }
    void setCameraSettings(const CString& text) { fields().cameraSettings = text; }
    const CClashStatus& getStatus() const { return fields().status; }
    void setStatus(const CClashStatus& status) { fields().status = status; }

    // A new heap copy of the result, owned by the caller.
    virtual std::unique_ptr<IJoinTestResult> clone() const = 0;

protected:
    friend IDescribed<IJoinTestResult>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CJoinTestResultID& getWritableID() { return fields().id; }
    CEntity3DID& getWritableEntityID() { return fields().entityID; }
    CProjectTime& getWritableStartTime() { return fields().startTime; }
    CProjectTime& getWritableEndTime() { return fields().endTime; }
    CProjectString& getWritableResolution() { return fields().resolution; }
    CProjectString& getWritableResponsible() { return fields().responsible; }
    CProjectString& getWritableCameraSettings() { return fields().cameraSettings; }
    CClashStatus& getWritableStatus() { return fields().status; }
};

using IJoinTestResultHandle = CWrapperHandle<IJoinTestResult>;
using IJoinTestResultWritableHandle = CWritableWrapperHandle<IJoinTestResult>;
using IJoinTestResultArrayHandle = CWrapperArrayHandle<IJoinTestResult, CJoinTestResultID, 0>;
using IJoinTestResultConstArrayHandle =
    CConstWrapperArrayHandle<IJoinTestResult, CJoinTestResultID, 0>;
ZX_DECLARE_INTERFACE(IJoinTestResult, CJoinTestResultID, 0);
