// CCameraTimeline: a stored timeline of camera key frames; it owns its key frames (CKeyFrameList)
// and forwards the rules of ICameraTimeline to them.
#pragma once

#include "basetypes/ICameraTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CCameraKeyFrame.h"
#include "model3d/CKeyFrameList.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCameraTimeline : public CStored<CCameraTimeline, ICameraTimeline> {
public:
    CCameraTimeline() { initialize(); }
    CCameraTimeline(const CCameraTimeline& other) : CStored<CCameraTimeline, ICameraTimeline>() {
        copyFrom(other);
    }
    CCameraTimeline& operator=(const CCameraTimeline& other) {
        copyFrom(other);
        return *this;
    }
    ~CCameraTimeline() override = default;

    int getStartTick() const override { return m_keyFrames.startTick(); }
    int getEndTick() const override { return m_keyFrames.endTick(); }
    int getKeyFrameCount() const override { return m_keyFrames.count(); }
    int getLastKeyFrameIndex() const override { return m_keyFrames.lastIndex(); }
    [[nodiscard]] int getKeyFrameIndexForTick(int tick) const override {
        return m_keyFrames.indexForTick(tick);
    }
    [[nodiscard]] int findInsertPosition(const ICameraKeyFrame& keyFrame) const override {
        return m_keyFrames.insertPosition(keyFrame.getTick());
    }
    ICameraKeyFrameHandle keyFrame(int index) const override { return m_keyFrames.at(index); }
    ICameraKeyFrameConstArrayHandle getKeyframes() const override { return m_keyFrames.handle(); }
    ICameraKeyFrameArrayHandle getKeyframes() override { return m_keyFrames.handle(); }
    [[nodiscard]] int addKeyFrame(const ICameraKeyFrame& keyFrame) override {
        return m_keyFrames.add(keyFrame);
    }
    [[nodiscard]] bool removeKeyFrame(const CKeyFrameID& id) override {
        return m_keyFrames.remove(id);
    }

private:
    void checkKeyFrameTicks(CZentrixArchive& ar) override { m_keyFrames.checkTicks(ar); }

    CKeyFrameList<ICameraKeyFrame, CCameraKeyFrame> m_keyFrames;
};

using CCameraTimelineArray =
    CUniqueObjectPointerArray<ICameraTimeline, CCameraTimeline, CTimelineID>;
using CCameraTimelineHandle = CBasicHandle<ICameraTimeline, CCameraTimeline>;
using CCameraTimelineWritableHandle = CWritableBasicHandle<ICameraTimeline, CCameraTimeline>;
using CCameraTimelineArrayHandle =
    CBasicArrayHandle<ICameraTimeline, CCameraTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(ICameraTimeline, CCameraTimeline, CTimelineID, 0);
