// The assignment part: how an assigned resource or resource group moves through the 3D scene
// while its task runs (use profiles, path, alignment, transform, the share of the task's duration
// the motion covers). Both resource assignments carry it, so its values, their place in the
// record and their accessors are written here once.
//
// AssignmentMotion holds the values with their initial ones; a kind's Fields derives from it and
// the kind's describeFields calls AssignmentMotion::describeFields where the part sits in its
// record. IAssignmentPart<I> gives the interface I the accessors over those values; I befriends
// it so that it can reach I's fields().
//
// The transform is held through a CHeapValue and is absent whenever it is the identity or was
// cleared, so an assignment that does not move its resource pays one null pointer for it. The
// identity test is byte-wise (a -0.0 off the diagonal is not the identity), the same test the
// transform's own equality makes.
//
// Record (written to disk; must never change): the twelve values in the order of describeFields;
// the transform is a presence byte followed, when present, by its 16 doubles.
#pragma once

#include "basetypes/CHeapValue.h"
#include "basetypes/CIDBase.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CGraphicalTransformDouble.h"

struct AssignmentMotion {
    CUseProfileID useProfileID;
    CSpatialUseProfileID spatialUseProfileID;
    CHeapValue<CGraphicalTransformDouble> transform;
    // No path: the resource stays where its transform puts it.
    CPathID pathID{CIDBase::getNullGUID()};
    CPathAlignment pathAlignment;
    CGraphicalPointDouble3D pathAlignmentPoint;
    CProjectDouble motionSimulationStart;
    CProjectDouble motionSimulationFinish;
    CProjectBool useReverseDirectionByPath = false;
    CProjectBool motionSimulationBasedOnPercentComplete;
    CProjectBool motionSimulationPauseDuringNonWorkingTime;
    CPathMoveType pathMoveType;

    template <class V>
    static void describeFields(V& v) {
        v.field("UseProfileID", &AssignmentMotion::useProfileID);
        v.field("SpatialUseProfileID", &AssignmentMotion::spatialUseProfileID);
        v.field("Transform", &AssignmentMotion::transform);
        v.field("PathID", &AssignmentMotion::pathID);
        v.field("PathAlignment", &AssignmentMotion::pathAlignment);
        v.field("PathAlignmentPoint", &AssignmentMotion::pathAlignmentPoint);
        // Shares of the task's duration.
        v.field("MotionSimulationStart", &AssignmentMotion::motionSimulationStart,
                {.min = 0, .max = 1});
        v.field("MotionSimulationFinish", &AssignmentMotion::motionSimulationFinish,
                {.min = 0, .max = 1});
        v.field("UseReverseDirectionByPath", &AssignmentMotion::useReverseDirectionByPath);
        v.field("MotionSimulationBasedOnPercentComplete",
                &AssignmentMotion::motionSimulationBasedOnPercentComplete);
        v.field("MotionSimulationPauseDuringNonWorkingTime",
                &AssignmentMotion::motionSimulationPauseDuringNonWorkingTime);
        v.field("PathMoveType", &AssignmentMotion::pathMoveType);
    }
};

template <class I>
class IAssignmentPart {
public:
    const CUseProfileID& getUseProfileID() const { return motion().useProfileID; }
    void setUseProfileID(const CUseProfileID& id) { motion().useProfileID = id; }
    const CSpatialUseProfileID& getSpatialUseProfileID() const {
        return motion().spatialUseProfileID;
    }
    void setSpatialUseProfileID(const CSpatialUseProfileID& id) {
        motion().spatialUseProfileID = id;
    }

    // Null when no transform is stored (the identity).
    const CGraphicalTransformDouble* getTransform() const { return motion().transform.get(); }
    // The identity is not stored: it clears the transform instead.
    void setTransform(const CGraphicalTransformDouble& transform) {
        if (transform == CGraphicalTransformDouble::s_identityTransform)
            clearTransform();
        else
            motion().transform.set(transform);
    }
    void clearTransform() { motion().transform.reset(); }

    const CPathID& getPathID() const { return motion().pathID; }
    void setPathID(const CPathID& id) { motion().pathID = id; }
    const CPathAlignment& getPathAlignment() const { return motion().pathAlignment; }
    void setPathAlignment(const CPathAlignment& alignment) { motion().pathAlignment = alignment; }
    const CGraphicalPointDouble3D& getPathAlignmentPoint() const {
        return motion().pathAlignmentPoint;
    }
    void setPathAlignmentPoint(const CGraphicalPointDouble3D& point) {
        motion().pathAlignmentPoint = point;
    }
    const CProjectDouble& getMotionSimulationStart() const {
        return motion().motionSimulationStart;
    }
    void setMotionSimulationStart(double start) { motion().motionSimulationStart = start; }
    const CProjectDouble& getMotionSimulationFinish() const {
        return motion().motionSimulationFinish;
    }
    void setMotionSimulationFinish(double finish) { motion().motionSimulationFinish = finish; }
    const CProjectBool& getUseReverseDirectionByPath() const {
        return motion().useReverseDirectionByPath;
    }
    void setUseReverseDirectionByPath(bool reverse) {
        motion().useReverseDirectionByPath = reverse;
    }
    const CProjectBool& getMotionSimulationBasedOnPercentComplete() const {
        return motion().motionSimulationBasedOnPercentComplete;
    }
    void setMotionSimulationBasedOnPercentComplete(bool based) {
        motion().motionSimulationBasedOnPercentComplete = based;
    }
    const CProjectBool& getMotionSimulationPauseDuringNonWorkingTime() const {
        return motion().motionSimulationPauseDuringNonWorkingTime;
    }
    void setMotionSimulationPauseDuringNonWorkingTime(bool pause) {
        motion().motionSimulationPauseDuringNonWorkingTime = pause;
    }
    const CPathMoveType& getPathMoveType() const { return motion().pathMoveType; }
    void setPathMoveType(const CPathMoveType& type) { motion().pathMoveType = type; }

protected:
    IAssignmentPart() = default;

    // A record may hold an identity transform (an older writer, a hand-made file); dropping it
    // after a load keeps an identity from ever being stored.
    void dropIdentityTransform() {
        const CGraphicalTransformDouble* transform = getTransform();
        if (transform && *transform == CGraphicalTransformDouble::s_identityTransform)
            clearTransform();
    }

private:
    AssignmentMotion& motion() { return static_cast<I&>(*this).fields(); }
    const AssignmentMotion& motion() const { return static_cast<const I&>(*this).fields(); }
};
