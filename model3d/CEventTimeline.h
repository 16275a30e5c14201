// CEventTimeline: a stored timeline of event key frames; it owns its key frames (CKeyFrameList) and
// forwards the rules of IEventTimeline to them.
#pragma once

#include "basetypes/IEventTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CEventKeyFrame.h"
#include "model3d/CKeyFrameList.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CEventTimeline : public CStored<CEventTimeline, IEventTimeline> {
public:
    CEventTimeline() { initialize(); }
    CEventTimeline(const CEventTimeline& other) : CStored<CEventTimeline, IEventTimeline>() {
        copyFrom(other);
    }
    CEventTimeline& operator=(const CEventTimeline& other) {
        copyFrom(other);
        return *this;
    }
    ~CEventTimeline() override = default;

    int getStartTick() const override { return m_keyFrames.startTick(); }
    int getEndTick() const override { return m_keyFrames.endTick(); }
    int getKeyFrameCount() const override { return m_keyFrames.count(); }
    int getLastKeyFrameIndex() const override { return m_keyFrames.lastIndex(); }
    [[nodiscard]] int getKeyFrameIndexForTick(int tick) const override {
        return m_keyFrames.indexForTick(tick);
    }
    [[nodiscard]] int findInsertPosition(const IEventKeyFrame& keyFrame) const override {
        return m_keyFrames.insertPosition(keyFrame.getTick());
    }
    IEventKeyFrameHandle keyFrame(int index) const override { return m_keyFrames.at(index); }
    IEventKeyFrameConstArrayHandle getKeyFrames() const override { return m_keyFrames.handle(); }
    IEventKeyFrameArrayHandle getKeyFrames() override { return m_keyFrames.handle(); }
    [[nodiscard]] int addKeyFrame(const IEventKeyFrame& keyFrame) override {
        return m_keyFrames.add(keyFrame);
    }
    [[nodiscard]] bool removeKeyFrame(const CKeyFrameID& id) override {
        return m_keyFrames.remove(id);
    }

private:
    void checkKeyFrameTicks(CZentrixArchive& ar) override { m_keyFrames.checkTicks(ar); }

    CKeyFrameList<IEventKeyFrame, CEventKeyFrame> m_keyFrames;
};

using CEventTimelineArray = CUniqueObjectPointerArray<IEventTimeline, CEventTimeline, CTimelineID>;
using CEventTimelineHandle = CBasicHandle<IEventTimeline, CEventTimeline>;
using CEventTimelineWritableHandle = CWritableBasicHandle<IEventTimeline, CEventTimeline>;
using CEventTimelineArrayHandle = CBasicArrayHandle<IEventTimeline, CEventTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(IEventTimeline, CEventTimeline, CTimelineID, 0);
