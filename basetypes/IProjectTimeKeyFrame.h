// IProjectTimeKeyFrame: which schedule date an animation shows at one tick: a focus time, and
// optionally the task the key frame follows with an offset (in days, as a double) from that
// task's start, for hosts that place the focus relative to a task.
//
// Defaults (initialize): ID unset, tick -1, interpolation Smooth (2), no focus time, master task
// unset, offset unset.
//
// Record (field by field, in the order of describeFields): ID, tick, interpolation type, focus
// time, master task ID, offset.
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IKeyFrame.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IProjectTimeKeyFrame : public IDescribed<IProjectTimeKeyFrame> {
public:
    static constexpr const char* s_kindName = "ProjectTimeKeyFrame";
    // Every kind of key frame takes its IDs from CKeyFrameID.
    static constexpr bool s_sharesIDType = true;

    struct Fields : CZentrixKeyFrame {
        CProjectTime focusTimeValue;
        CTaskID masterTaskID;
        CProjectDouble offsetFromTaskStart;
    };
    template <class V>
    static void describeFields(V& v) {
        zx::keyframes::describeCommon<true>(v);
        v.field("FocusTimeValue", &Fields::focusTimeValue);
        v.field("MasterTaskID", &Fields::masterTaskID);
        v.field("OffsetFromTaskStart", &Fields::offsetFromTaskStart);
    }

    const CKeyFrameID& getID() const { return fields().id; }
    void setID(const CKeyFrameID& id) { fields().id = id; }
    const CProjectInt& getTick() const { return fields().tick; }
    void setTick(int tick) { fields().setTick(tick); }
    const CInterpolationType& getInterpolationType() const { return fields().interpolationType; }
    void setInterpolationType(const CInterpolationType& type) {
        fields().setInterpolationType(type);
    }

    const CProjectTime& getFocusTimeValue() const { return fields().focusTimeValue; }
    void setFocusTimeValue(const CProjectTime& time) { fields().focusTimeValue = time; }
    const CTaskID& getMasterTaskID() const { return fields().masterTaskID; }
    void setMasterTaskID(const CTaskID& id) { fields().masterTaskID = id; }
    const CProjectDouble& getOffsetFromTaskStart() const { return fields().offsetFromTaskStart; }
    void setOffsetFromTaskStart(double offset) { fields().offsetFromTaskStart = offset; }

    // A new heap copy of the key frame, owned by the caller.
    virtual std::unique_ptr<IProjectTimeKeyFrame> clone() const = 0;

protected:
    friend IDescribed<IProjectTimeKeyFrame>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IProjectTimeKeyFrameHandle = CWrapperHandle<IProjectTimeKeyFrame>;
using IProjectTimeKeyFrameWritableHandle = CWritableWrapperHandle<IProjectTimeKeyFrame>;
using IProjectTimeKeyFrameArrayHandle = CWrapperArrayHandle<IProjectTimeKeyFrame, CKeyFrameID, 0>;
using IProjectTimeKeyFrameConstArrayHandle =
    CConstWrapperArrayHandle<IProjectTimeKeyFrame, CKeyFrameID, 0>;
ZX_DECLARE_INTERFACE(IProjectTimeKeyFrame, CKeyFrameID, 0);
