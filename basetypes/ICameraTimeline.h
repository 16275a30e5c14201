// ICameraTimeline: where an animation's camera stands: its camera key frames place the viewpoint
// at their ticks.
//
// The key frames are kept in ascending order of distinct ticks from 0 on (basetypes/IKeyFrame.h):
// addKeyFrame places a copy at its tick's place and refuses a tick that is unset, negative or
// already taken; the start and end ticks are the first and last key frames' ticks, -1 without
// key frames. A record whose key frames break that order is refused, loading and storing alike.
//
// Record (field by field, in the order of describeFields): ID, the key frames in the keyed
// container's framing (tick order), nothing else: the start and end ticks are read off them.
#pragma once

#include "basetypes/CZentrixArchive.h"
#include "basetypes/ICameraKeyFrame.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ICameraTimeline : public IDescribed<ICameraTimeline> {
public:
    static constexpr const char* s_kindName = "CameraTimeline";
    // Every kind of timeline takes its IDs from CTimelineID.
    static constexpr bool s_sharesIDType = true;

    struct Fields {
        CTimelineID id;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.collection("KeyFrames", &ICameraTimeline::getKeyframes, &ICameraTimeline::getKeyframes);
        v.recordOnly("KeyFrameTicks", &ICameraTimeline::checkKeyFrameTicks);
    }

    const CTimelineID& getID() const { return fields().id; }
    void setID(const CTimelineID& id) { fields().id = id; }

    // The first and last key frames' ticks; -1 without key frames.
    virtual int getStartTick() const = 0;
    virtual int getEndTick() const = 0;
    virtual int getKeyFrameCount() const = 0;
    // -1 without key frames.
    virtual int getLastKeyFrameIndex() const = 0;
    // The key frame in force at tick: -1 before the first key frame, the last one after the last,
    // otherwise the one at the tick or the last one before it. A binary search.
    [[nodiscard]] virtual int getKeyFrameIndexForTick(int tick) const = 0;
    // Where a key frame at its tick would be added; -1 when its tick is unset, negative or taken.
    [[nodiscard]] virtual int findInsertPosition(const ICameraKeyFrame& keyFrame) const = 0;
    // The key frame at index; an empty handle outside the key frames.
    virtual ICameraKeyFrameHandle keyFrame(int index) const = 0;
    // The key frames in tick order.
    virtual ICameraKeyFrameConstArrayHandle getKeyframes() const = 0;
    virtual ICameraKeyFrameArrayHandle getKeyframes() = 0;
    // Adds a copy at its tick's place and returns its index; -1 when refused (see
    // findInsertPosition) or when a key frame with its ID is present.
    [[nodiscard]] virtual int addKeyFrame(const ICameraKeyFrame& keyFrame) = 0;
    // False when no key frame has this ID.
    [[nodiscard]] virtual bool removeKeyFrame(const CKeyFrameID& id) = 0;

protected:
    friend IDescribed<ICameraTimeline>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    // Refuses key frames out of tick order, loading and storing alike.
    virtual void checkKeyFrameTicks(CZentrixArchive& ar) = 0;
};

using ICameraTimelineHandle = CWrapperHandle<ICameraTimeline>;
using ICameraTimelineWritableHandle = CWritableWrapperHandle<ICameraTimeline>;
using ICameraTimelineArrayHandle = CWrapperArrayHandle<ICameraTimeline, CTimelineID, 0>;
using ICameraTimelineConstArrayHandle = CConstWrapperArrayHandle<ICameraTimeline, CTimelineID, 0>;
ZX_DECLARE_INTERFACE(ICameraTimeline, CTimelineID, 0);
