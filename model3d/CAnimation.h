// CAnimation: a stored animation. It owns its three optional timelines (one null pointer each
// while absent); a renewed animation renews them and their key frames, which are its own and not
// snapshots.
#pragma once

#include <memory>

#include "basetypes/IAnimation.h"
#include "basetypes/ZxApi.h"
#include "model3d/CCameraTimeline.h"
#include "model3d/CEventTimeline.h"
#include "model3d/CProjectTimeTimeline.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CAnimation : public CStored<CAnimation, IAnimation> {
public:
    CAnimation() = default;
    CAnimation(const CAnimation& other) : CStored<CAnimation, IAnimation>() { copyFrom(other); }
    CAnimation& operator=(const CAnimation& other) {
        copyFrom(other);
        return *this;
    }
    ~CAnimation() override;

    void renewIDs() override;

    IProjectTimeTimelineHandle getFocusTimeTimeline() const override;
    ICameraTimelineHandle getCameraTimeline() const override;
    IEventTimelineHandle getEventTimeline() const override;
    IProjectTimeTimelineWritableHandle getWritableTemporalTimeline() override;
    ICameraTimelineWritableHandle getWritableCameraTimeline() override;
    IEventTimelineWritableHandle getWritableEventTimeline() override;
    void setFocusTimeTimeline(const IProjectTimeTimeline& timeline) override;
    void setCameraTimeline(const ICameraTimeline& timeline) override;
    void setEventTimeline(const IEventTimeline& timeline) override;
    void removeFocusTimeTimeline() override { m_focusTime.reset(); }
    void removeCameraTimeline() override { m_camera.reset(); }
    void removeEventTimeline() override { m_event.reset(); }

protected:
    void createFocusTimeTimeline() override;
    void createCameraTimeline() override;
    void createEventTimeline() override;

private:
    std::unique_ptr<CProjectTimeTimeline> m_focusTime;
    std::unique_ptr<CCameraTimeline> m_camera;
    std::unique_ptr<CEventTimeline> m_event;
};

using CAnimationArray = CUniqueObjectPointerArray<IAnimation, CAnimation, CAnimationID>;
using CAnimationHandle = CBasicHandle<IAnimation, CAnimation>;
using CAnimationWritableHandle = CWritableBasicHandle<IAnimation, CAnimation>;
using CAnimationArrayHandle = CBasicArrayHandle<IAnimation, CAnimation, CAnimationID, 0>;
ZX_DECLARE_KIND(IAnimation, CAnimation, CAnimationID, 0);
