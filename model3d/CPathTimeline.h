// CPathTimeline: a stored timeline of path keys; it owns its key frames (CKeyFrameList) and
// forwards the rules of IPathTimeline to them.
#pragma once

#include "basetypes/IPathTimeline.h"
#include "basetypes/ZxApi.h"
#include "model3d/CKeyFrameList.h"
#include "model3d/CPathKey.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CPathTimeline : public CStored<CPathTimeline, IPathTimeline> {
public:
    CPathTimeline() { initialize(); }
    CPathTimeline(const CPathTimeline& other) : CStored<CPathTimeline, IPathTimeline>() {
        copyFrom(other);
    }
    CPathTimeline& operator=(const CPathTimeline& other) {
        copyFrom(other);
        return *this;
    }
    ~CPathTimeline() override = default;

    int getStartTick() const override { return m_keyFrames.startTick(); }
    int getEndTick() const override { return m_keyFrames.endTick(); }
    int getKeyFrameCount() const override { return m_keyFrames.count(); }
    int getLastKeyFrameIndex() const override { return m_keyFrames.lastIndex(); }
    [[nodiscard]] int getKeyFrameIndexForTick(int tick) const override {
        return m_keyFrames.indexForTick(tick);
    }
    [[nodiscard]] int findInsertPosition(const IPathKey& keyFrame) const override {
        return m_keyFrames.insertPosition(keyFrame.getTick());
    }
    IPathKeyHandle keyFrame(int index) const override { return m_keyFrames.at(index); }
    IPathKeyConstArrayHandle getKeyframes() const override { return m_keyFrames.handle(); }
    IPathKeyArrayHandle getKeyframes() override { return m_keyFrames.handle(); }
    // A key with an ID already present replaces it (the count stays); a refused replacement
    // leaves the old key where it was.
    [[nodiscard]] int addKeyFrame(const IPathKey& keyFrame) override {
        return m_keyFrames.replace(keyFrame);
    }
    [[nodiscard]] int addKeyFrame(const CKeyFrameID& id, const CGraphicalPointDouble3D& position,
                                  const CQuat& rotation, const CGraphicalPointDouble3D& center,
                                  int tick) override;
    void removeAllKeyFrames() override { m_keyFrames.removeAll(); }
    [[nodiscard]] bool removeKeyFrame(const CKeyFrameID& id) override {
        return m_keyFrames.remove(id);
    }

private:
    void checkKeyFrameTicks(CZentrixArchive& ar) override { m_keyFrames.checkTicks(ar); }

    CKeyFrameList<IPathKey, CPathKey> m_keyFrames;
};

using CPathTimelineArray = CUniqueObjectPointerArray<IPathTimeline, CPathTimeline, CTimelineID>;
using CPathTimelineHandle = CBasicHandle<IPathTimeline, CPathTimeline>;
using CPathTimelineWritableHandle = CWritableBasicHandle<IPathTimeline, CPathTimeline>;
using CPathTimelineArrayHandle = CBasicArrayHandle<IPathTimeline, CPathTimeline, CTimelineID, 0>;
ZX_DECLARE_KIND(IPathTimeline, CPathTimeline, CTimelineID, 0);
