// CProjectTimeTimeline: a stored timeline of project-time key frames; it owns its key frames
// (CKeyFrameList) and forwards the rules of IProjectTimeTimeline to them.
#pragma once

#include "basetypes/IProjectTimeTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CKeyFrameList.h"
#include "model3d/CProjectTimeKeyFrame.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CProjectTimeTimeline : public CStored<CProjectTimeTimeline, IProjectTimeTimeline> {
public:
    CProjectTimeTimeline() { initialize(); }
    CProjectTimeTimeline(const CProjectTimeTimeline& other)
        : CStored<CProjectTimeTimeline, IProjectTimeTimeline>() {
        copyFrom(other);
    }
    CProjectTimeTimeline& operator=(const CProjectTimeTimeline& other) {
        copyFrom(other);
        return *this;
    }
    ~CProjectTimeTimeline() override = default;

    int getStartTick() const override { return m_keyFrames.startTick(); }
    int getEndTick() const override { return m_keyFrames.endTick(); }
    int getKeyFrameCount() const override { return m_keyFrames.count(); }
    int getLastKeyFrameIndex() const override { return m_keyFrames.lastIndex(); }
    [[nodiscard]] int getKeyFrameIndexForTick(int tick) const override {
        return m_keyFrames.indexForTick(tick);
    }
    [[nodiscard]] int findInsertPosition(const IProjectTimeKeyFrame& keyFrame) const override {
        return m_keyFrames.insertPosition(keyFrame.getTick());
    }
    IProjectTimeKeyFrameHandle keyFrame(int index) const override { return m_keyFrames.at(index); }
    IProjectTimeKeyFrameConstArrayHandle getKeyframes() const override {
        return m_keyFrames.handle();
    }
    IProjectTimeKeyFrameArrayHandle getKeyframes() override { return m_keyFrames.handle(); }
    [[nodiscard]] int addKeyFrame(const IProjectTimeKeyFrame& keyFrame) override {
        return m_keyFrames.add(keyFrame);
    }
    [[nodiscard]] bool removeKeyFrame(const CKeyFrameID& id) override {
        return m_keyFrames.remove(id);
    }

private:
    void checkKeyFrameTicks(CZentrixArchive& ar) override { m_keyFrames.checkTicks(ar); }

    CKeyFrameList<IProjectTimeKeyFrame, CProjectTimeKeyFrame> m_keyFrames;
};

using CProjectTimeTimelineArray =
    CUniqueObjectPointerArray<IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID>;
using CProjectTimeTimelineHandle = CBasicHandle<IProjectTimeTimeline, CProjectTimeTimeline>;
using CProjectTimeTimelineWritableHandle =
    CWritableBasicHandle<IProjectTimeTimeline, CProjectTimeTimeline>;
using CProjectTimeTimelineArrayHandle =
    CBasicArrayHandle<IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(IProjectTimeTimeline, CProjectTimeTimeline, CTimelineID, 0);
