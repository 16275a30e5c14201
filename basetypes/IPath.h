// IPath: an animation path: a named, coloured route that objects follow for a duration, given by
// its optional path timeline, and the sub-paths nested below it (paths of its own kind, to any
// depth, like sub-tasks).
//
// A path owns its timeline (absent until set or allocated; clearTimeline removes it) and its
// sub-paths, whose collection exists only while it has entries. Sub-paths move between paths
// without copying (detachSubPath, attachSubPath): a handle never owns; a detached sub-path is the
// caller's until it is attached again, and a refused attach leaves it with the caller.
//
// Defaults (initialize): ID unset, name empty, colour red, duration unset, no timeline, no
// sub-paths.
//
// Record (field by field, in the order of describeFields): ID, name, colour, duration, the
// timeline (presence byte, then its record), the sub-paths (presence byte, then the collection).
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IPathTimeline.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IPath;
using IPathHandle = CWrapperHandle<IPath>;
using IPathWritableHandle = CWritableWrapperHandle<IPath>;
using IPathArrayHandle = CWrapperArrayHandle<IPath, CPathID, 0>;
using IPathConstArrayHandle = CConstWrapperArrayHandle<IPath, CPathID, 0>;
ZX_DECLARE_INTERFACE(IPath, CPathID, 0);

class ZX_API IPath : public IDescribed<IPath> {
public:
    static constexpr const char* s_kindName = "Path";

    struct Fields {
        CPathID id;
        CProjectString name;
        CProjectColorRGB color = CProjectColorRGB::fromRGB(255, 0, 0);
        CProjectDuration duration;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Color", &Fields::color);
        v.field("Duration", &Fields::duration);
        v.optionalPart("Timeline", &IPath::getTimeline, &IPath::getWritableTimeline,
                       &IPath::allocateTimeline, &IPath::clearTimeline);
        v.optionalCollection("SubPaths", &IPath::getSubPaths, &IPath::getSubPaths,
                             &IPath::allocateSubPaths, &IPath::removeAllSubPaths);
    }

    const CPathID& getID() const { return fields().id; }
    void setID(const CPathID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }
    const CProjectDuration& getDuration() const { return fields().duration; }
    void setDuration(const CProjectDuration& duration) { fields().duration = duration; }

    // The timeline; a null handle while the path has none.
    virtual IPathTimelineHandle getTimeline() const = 0;
    virtual IPathTimelineWritableHandle getWritableTimeline() = 0;
    // Replaces the timeline (creating one when absent) with a copy of timeline.
    virtual void setTimeline(const IPathTimeline& timeline) = 0;
    virtual void clearTimeline() = 0;

    // Sub-paths.
    virtual IPathConstArrayHandle getSubPaths() const = 0;
    virtual IPathArrayHandle getSubPaths() = 0;
    // Adds a copy; its index, or -1 when a sub-path with its ID is present.
    [[nodiscard]] virtual int addSubPath(const IPath& path) = 0;
    // Inserts a copy at index; false unless 0 <= index <= count and the ID is absent.
    [[nodiscard]] virtual bool insertSubPath(const IPath& path, int index) = 0;
    // Moves the sub-path at from to index to; false unless both lie within 0 to count - 1.
    [[nodiscard]] virtual bool changeSubPathPosition(int from, int to) = 0;
    [[nodiscard]] virtual bool removeSubPath(const CPathID& id) = 0;
    virtual void removeAllSubPaths() = 0;
    // Takes the sub-path out without deleting it: the caller owns it through the handle (empty
    // when absent).
    [[nodiscard]] virtual IPathWritableHandle detachSubPath(const CPathID& id) = 0;
    // Moves the handle's path in at index without copying; the collection owns it from then on.
    // False when index is negative or above the count, the handle is null or a sub-path with its
    // ID is present; the path then stays with the handle's holder.
    [[nodiscard]] virtual bool attachSubPath(IPathWritableHandle path, int index) = 0;

protected:
    friend IDescribed<IPath>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    virtual void allocateTimeline() = 0;
    virtual void allocateSubPaths() = 0;
};
