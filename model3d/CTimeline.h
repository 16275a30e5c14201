// CTimeline<Self, I, KC>: the concrete side every timeline shares. Self is the timeline's class, I
// its interface and KC the class of its key frames. It owns the key frames (CKeyFrameList) and
// forwards the rules of the interface to them; a timeline class adds only what its kind does
// differently.
#pragma once

#include "basetypes/CZentrixArchive.h"
#include "basetypes/IDescribed.h"
#include "basetypes/ZxApi.h"
#include "model3d/CKeyFrameList.h"

template <class Self, class I, class KC>
class ZX_API CTimeline : public CStored<Self, I> {
public:
    using K = typename I::KeyFrameInterface;

    CTimeline() = default;
    CTimeline(const CTimeline& other) : CStored<Self, I>() { this->copyFrom(other); }
    CTimeline& operator=(const CTimeline& other) {
        this->copyFrom(other);
        return *this;
    }
    ~CTimeline() override = default;

    // The key frames arrive through the container, around the list: it takes their ticks anew.
    void copyFrom(const I& other) override {
        CStored<Self, I>::copyFrom(other);
        m_keyFrames.renewTicks();
    }

    int getStartTick() const override { return m_keyFrames.startTick(); }
    int getEndTick() const override { return m_keyFrames.endTick(); }
    int getKeyFrameCount() const override { return m_keyFrames.count(); }
    int getLastKeyFrameIndex() const override { return m_keyFrames.lastIndex(); }
    [[nodiscard]] int getKeyFrameIndexForTick(int tick) const override {
        return m_keyFrames.indexForTick(tick);
    }
    [[nodiscard]] int findInsertPosition(const K& keyFrame) const override {
        return m_keyFrames.insertPosition(keyFrame.getTick());
    }
    typename I::KeyFrameHandle keyFrame(int index) const override { return m_keyFrames.at(index); }
    typename I::KeyFrameConstArrayHandle getKeyFrames() const override {
        return m_keyFrames.handle();
    }
    typename I::KeyFrameArrayHandle getKeyFrames() override { return m_keyFrames.handle(); }
    // The interface's other adds (the path timeline's) stay visible beside this one.
    using I::addKeyFrame;
    [[nodiscard]] int addKeyFrame(const K& keyFrame) override { return m_keyFrames.add(keyFrame); }
    [[nodiscard]] bool removeKeyFrame(const CKeyFrameID& id) override {
        return m_keyFrames.remove(id);
    }

protected:
    CKeyFrameList<K, KC>& keyFrameList() { return m_keyFrames; }

private:
    void checkKeyFrameTicks(CZentrixArchive& ar) override {
        m_keyFrames.checkTicks(ar);
        if (ar.IsLoading()) m_keyFrames.renewTicks();
    }

    CKeyFrameList<K, KC> m_keyFrames;
};
