// IAnimation: an animation of the 4D model: a name, the video export settings text, up to three
// timelines (focus time: the schedule dates shown; camera: the viewpoint; event: the display
// changes) and the calendar whose non-working time the animation skips.
//
// An animation owns its timelines; each is absent until set or created and disappears when
// removed. Setting one replaces it with a copy of the given timeline. Handles on a timeline are
// null while it is absent.
//
// Defaults (initialize): ID unset, name and export settings empty, no timelines, calendar unset.
//
// Record (field by field, in the order of describeFields): ID, name, export settings, the focus
// time, camera and event timelines (each a presence byte, then its record), calendar ID.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/ICameraTimeline.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IEventTimeline.h"
#include "basetypes/IProjectTimeTimeline.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IAnimation : public IDescribed<IAnimation> {
public:
    static constexpr const char* s_kindName = "Animation";

    struct Fields {
        CAnimationID id;
        CProjectString name;
        CProjectString aviExportProperty;
        CCalendarID skipNonWorkingTimeCalendarID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("AVIExportProperty", &Fields::aviExportProperty);
        v.optionalPart("FocusTimeTimeline", &IAnimation::getFocusTimeTimeline,
                       &IAnimation::getWritableTemporalTimeline,
                       &IAnimation::createFocusTimeTimeline, &IAnimation::removeFocusTimeTimeline);
        v.optionalPart("CameraTimeline", &IAnimation::getCameraTimeline,
                       &IAnimation::getWritableCameraTimeline, &IAnimation::createCameraTimeline,
                       &IAnimation::removeCameraTimeline);
        v.optionalPart("EventTimeline", &IAnimation::getEventTimeline,
                       &IAnimation::getWritableEventTimeline, &IAnimation::createEventTimeline,
                       &IAnimation::removeEventTimeline);
        v.field("SkipNonWorkingTimeCalendarID", &Fields::skipNonWorkingTimeCalendarID);
    }

    const CAnimationID& getID() const { return fields().id; }
    void setID(const CAnimationID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getAVIExportProperty() const { return fields().aviExportProperty; }
    void setAVIExportProperty(const CString& settings) { fields().aviExportProperty = settings; }
    const CCalendarID& getSkipNonWorkingTimeCalendarID() const {
        return fields().skipNonWorkingTimeCalendarID;
    }
    void setSkipNonWorkingTimeCalendarID(const CCalendarID& id) {
        fields().skipNonWorkingTimeCalendarID = id;
    }

    // The timelines; null handles while absent.
    virtual IProjectTimeTimelineHandle getFocusTimeTimeline() const = 0;
    virtual ICameraTimelineHandle getCameraTimeline() const = 0;
    virtual IEventTimelineHandle getEventTimeline() const = 0;
    virtual IProjectTimeTimelineWritableHandle getWritableTemporalTimeline() = 0;
    virtual ICameraTimelineWritableHandle getWritableCameraTimeline() = 0;
    virtual IEventTimelineWritableHandle getWritableEventTimeline() = 0;
    // Each replaces the timeline (creating one when absent) with a copy of the one given.
    virtual void setFocusTimeTimeline(const IProjectTimeTimeline& timeline) = 0;
    virtual void setCameraTimeline(const ICameraTimeline& timeline) = 0;
    virtual void setEventTimeline(const IEventTimeline& timeline) = 0;
    virtual void removeFocusTimeTimeline() = 0;
    virtual void removeCameraTimeline() = 0;
    virtual void removeEventTimeline() = 0;

protected:
    friend IDescribed<IAnimation>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    // Create each timeline, empty, when it is absent.
    virtual void createFocusTimeTimeline() = 0;
    virtual void createCameraTimeline() = 0;
    virtual void createEventTimeline() = 0;
};

using IAnimationHandle = CWrapperHandle<IAnimation>;
using IAnimationWritableHandle = CWritableWrapperHandle<IAnimation>;
using IAnimationArrayHandle = CWrapperArrayHandle<IAnimation, CAnimationID, 0>;
using IAnimationConstArrayHandle = CConstWrapperArrayHandle<IAnimation, CAnimationID, 0>;
ZX_DECLARE_INTERFACE(IAnimation, CAnimationID, 0);
