// ITimeline<Self, K>: what the interfaces of the four kinds of timeline share; Self is the
// timeline's interface, K the interface of its key frames.
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
#include "basetypes/IDescribed.h"
#include "basetypes/TypedIDs.h"
#include "store/ArrayHandles.h"

template <class Self, class K>
class ITimeline : public IDescribed<Self> {
public:
    using KeyFrameInterface = K;
    using KeyFrameHandle = CWrapperHandle<K>;
    using KeyFrameArrayHandle = CWrapperArrayHandle<K, CKeyFrameID, 0>;
    using KeyFrameConstArrayHandle = CConstWrapperArrayHandle<K, CKeyFrameID, 0>;

    // Every kind of timeline takes its IDs from CTimelineID.
    static constexpr bool s_sharesIDType = true;

    struct Fields {
        CTimelineID id;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.collection("KeyFrames", &ITimeline::getKeyFrames, &ITimeline::getKeyFrames);
        v.recordOnly("KeyFrameTicks", &ITimeline::checkKeyFrameTicks);
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
    [[nodiscard]] virtual int findInsertPosition(const K& keyFrame) const = 0;
    // The key frame at index; an empty handle outside the key frames.
    virtual KeyFrameHandle keyFrame(int index) const = 0;
    // The key frames in tick order. Callers of the camera, project-time and path timelines know
    // them as getKeyframes, so both names answer on every timeline.
    virtual KeyFrameConstArrayHandle getKeyFrames() const = 0;
    virtual KeyFrameArrayHandle getKeyFrames() = 0;
    KeyFrameConstArrayHandle getKeyframes() const { return getKeyFrames(); }
    KeyFrameArrayHandle getKeyframes() { return getKeyFrames(); }
    // Adds a copy at its tick's place and returns its index; -1 when refused (see
    // findInsertPosition) or when a key frame with its ID is present.
    [[nodiscard]] virtual int addKeyFrame(const K& keyFrame) = 0;
    // False when no key frame has this ID.
    [[nodiscard]] virtual bool removeKeyFrame(const CKeyFrameID& id) = 0;

protected:
    friend IDescribed<Self>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    // Refuses key frames out of tick order, loading and storing alike.
    virtual void checkKeyFrameTicks(CZentrixArchive& ar) = 0;
};
