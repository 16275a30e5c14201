// ICameraKeyFrame: where the camera of an animation stands at one tick: a viewpoint, optionally a
// turn about a centre while the key frame is in force, and optionally a marker tying the camera
// to an object of the model.
//
// The key frame owns its camera (always present) and its turn and marker (each absent until set
// or allocated). Handles on them are valid while the key frame lives.
//
// Defaults (initialize): ID unset, tick -1, interpolation Smooth (2), a new camera, no turn, no
// marker.
//
// Record (field by field, in the order of describeFields): ID, tick, interpolation type, the
// camera, the turn and the marker (each a presence byte, then its record).
#pragma once

#include <memory>

#include "basetypes/CHeapValue.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IKeyFrame.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CCameraMarker.h"
#include "model3d/CTurnableAnimation.h"
#include "model3d/CViewpointCamera.h"
#include "store/ArrayHandles.h"

class ZX_API ICameraKeyFrame : public IDescribed<ICameraKeyFrame> {
public:
    static constexpr const char* s_kindName = "CameraKeyFrame";
    // Every kind of key frame takes its IDs from CKeyFrameID.
    static constexpr bool s_sharesIDType = true;

    struct Fields : CZentrixKeyFrame {
        CViewpointCamera viewpoint;
        CHeapValue<CTurnableAnimation> turnableAnimation;
        CHeapValue<CCameraMarker> cameraMarker;
    };
    template <class V>
    static void describeFields(V& v) {
        zx::keyframes::describeCommon<true>(v);
        v.field("Viewpoint", &Fields::viewpoint);
        v.field("TurnableAnimation", &Fields::turnableAnimation);
        v.field("CameraMarker", &Fields::cameraMarker);
    }

    const CKeyFrameID& getID() const { return fields().id; }
    void setID(const CKeyFrameID& id) { fields().id = id; }
    const CProjectInt& getTick() const { return fields().tick; }
    void setTick(int tick) { fields().setTick(tick); }
    const CInterpolationType& getInterpolationType() const { return fields().interpolationType; }
    void setInterpolationType(const CInterpolationType& type) {
        fields().setInterpolationType(type);
    }

    CWrapperHandle<CViewpointCamera> getViewpoint() const { return fields().viewpoint.getHandle(); }
    CWritableWrapperHandle<CViewpointCamera> getWritableViewpoint() {
        return fields().viewpoint.getWritableHandle();
    }
    void setViewpoint(const CViewpointCamera& camera) { fields().viewpoint = camera; }

    // The turn; a null handle while there is none.
    CWrapperHandle<CTurnableAnimation> getTurnableAnimation() const {
        return handleOn(fields().turnableAnimation);
    }
    CWritableWrapperHandle<CTurnableAnimation> getWritableTurnableAnimation() {
        return writableHandleOn(fields().turnableAnimation);
    }
    void setTurnableAnimation(const CTurnableAnimation& turn) {
        fields().turnableAnimation.set(turn);
    }
    void clearTurnableAnimation() { fields().turnableAnimation.reset(); }
    // The turn, created with its defaults when absent.
    CTurnableAnimation& allocateTurnableAnimation() { return fields().turnableAnimation.ensure(); }

    // The marker; a null handle while there is none.
    CWrapperHandle<CCameraMarker> getCameraMarker() const {
        return handleOn(fields().cameraMarker);
    }
    CWritableWrapperHandle<CCameraMarker> getWritableCameraMarker() {
        return writableHandleOn(fields().cameraMarker);
    }
    void setCameraMarker(const CCameraMarker& marker) { fields().cameraMarker.set(marker); }
    void clearCameraMarker() { fields().cameraMarker.reset(); }
    // The marker, created marking nothing when absent.
    CCameraMarker& allocateCameraMarker() { return fields().cameraMarker.ensure(); }

    // A new heap copy of the key frame, owned by the caller.
    virtual std::unique_ptr<ICameraKeyFrame> clone() const = 0;

protected:
    friend IDescribed<ICameraKeyFrame>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    template <class T>
    static CWrapperHandle<T> handleOn(const CHeapValue<T>& value) {
        return value ? value.get()->getHandle() : CWrapperHandle<T>();
    }
    template <class T>
    static CWritableWrapperHandle<T> writableHandleOn(CHeapValue<T>& value) {
        return value ? value.getWritable()->getWritableHandle() : CWritableWrapperHandle<T>();
    }
};

using ICameraKeyFrameHandle = CWrapperHandle<ICameraKeyFrame>;
using ICameraKeyFrameWritableHandle = CWritableWrapperHandle<ICameraKeyFrame>;
using ICameraKeyFrameArrayHandle = CWrapperArrayHandle<ICameraKeyFrame, CKeyFrameID, 0>;
using ICameraKeyFrameConstArrayHandle = CConstWrapperArrayHandle<ICameraKeyFrame, CKeyFrameID, 0>;
ZX_DECLARE_INTERFACE(ICameraKeyFrame, CKeyFrameID, 0);
