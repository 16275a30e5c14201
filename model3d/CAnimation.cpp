#include "model3d/CAnimation.h"

#include <utility>

namespace {

template <class I, class C>
CWrapperHandle<I> handleOn(const std::unique_ptr<C>& timeline) {
    return timeline ? timeline->getHandle() : CWrapperHandle<I>();
}

template <class I, class C>
CWritableWrapperHandle<I> writableHandleOn(const std::unique_ptr<C>& timeline) {
    return timeline ? timeline->getWritableHandle() : CWritableWrapperHandle<I>();
}

// The copy is made aside first, so that an animation's own timeline may be given.
template <class C, class I>
void replaceWithCopy(std::unique_ptr<C>& slot, const I& timeline) {
    auto copy = std::make_unique<C>();
    copy->copyFrom(timeline);
    slot = std::move(copy);
}

template <class C>
void create(std::unique_ptr<C>& slot) {
    if (!slot) slot = std::make_unique<C>();
}

}  // namespace

CAnimation::~CAnimation() = default;

void CAnimation::renewIDs() {
    IDescribed<IAnimation>::renewIDs();
    if (m_focusTime) m_focusTime->generateIDs();
    if (m_camera) m_camera->generateIDs();
    if (m_event) m_event->generateIDs();
}

IProjectTimeTimelineHandle CAnimation::getFocusTimeTimeline() const {
    return handleOn<IProjectTimeTimeline>(m_focusTime);
}
ICameraTimelineHandle CAnimation::getCameraTimeline() const {
    return handleOn<ICameraTimeline>(m_camera);
}
IEventTimelineHandle CAnimation::getEventTimeline() const {
    return handleOn<IEventTimeline>(m_event);
}
IProjectTimeTimelineWritableHandle CAnimation::getWritableTemporalTimeline() {
    return writableHandleOn<IProjectTimeTimeline>(m_focusTime);
}
ICameraTimelineWritableHandle CAnimation::getWritableCameraTimeline() {
    return writableHandleOn<ICameraTimeline>(m_camera);
}
IEventTimelineWritableHandle CAnimation::getWritableEventTimeline() {
    return writableHandleOn<IEventTimeline>(m_event);
}

void CAnimation::setFocusTimeTimeline(const IProjectTimeTimeline& timeline) {
    replaceWithCopy(m_focusTime, timeline);
}
void CAnimation::setCameraTimeline(const ICameraTimeline& timeline) {
    replaceWithCopy(m_camera, timeline);
}
void CAnimation::setEventTimeline(const IEventTimeline& timeline) {
    replaceWithCopy(m_event, timeline);
}

void CAnimation::createFocusTimeTimeline() { create(m_focusTime); }
void CAnimation::createCameraTimeline() { create(m_camera); }
void CAnimation::createEventTimeline() { create(m_event); }

ZX_INSTANTIATE_KIND(IAnimation, CAnimation, CAnimationID, 0);
