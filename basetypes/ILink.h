// ILink: a dependency of the task that holds it on an upstream (predecessor) task, with its type,
// its delay and the calendar the delay counts in.
#pragma once

#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ILink : public IDescribed<ILink> {
public:
    static constexpr const char* s_kindName = "Link";

    struct Fields {
        CLinkID id;
        CTaskID upstreamTaskID;
        CCalendarID delayCalendarID;
        CLinkType type = LinkType::FinishToStart;
        CProjectDuration delay;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("UpstreamTaskID", &Fields::upstreamTaskID);
        v.field("DelayCalendarID", &Fields::delayCalendarID);
        v.field("Type", &Fields::type);
        v.field("Delay", &Fields::delay);
    }

    const CLinkID& getID() const { return fields().id; }
    void setID(const CLinkID& id) { fields().id = id; }
    const CTaskID& getUpstreamTaskID() const { return fields().upstreamTaskID; }
    void setUpstreamTaskID(const CTaskID& id) { fields().upstreamTaskID = id; }
    const CLinkType& getType() const { return fields().type; }
    void setType(const CLinkType& type) { fields().type = type; }
    const CProjectDuration& getDelay() const { return fields().delay; }
    void setDelay(const CProjectDuration& delay) { fields().delay = delay; }
    const CCalendarID& getDelayCalendarID() const { return fields().delayCalendarID; }
    void setDelayCalendarID(const CCalendarID& id) { fields().delayCalendarID = id; }

protected:
    friend IDescribed<ILink>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ILinkHandle = CWrapperHandle<ILink>;
using ILinkWritableHandle = CWritableWrapperHandle<ILink>;
using ILinkArrayHandle = CWrapperArrayHandle<ILink, CLinkID, 0>;
using ILinkConstArrayHandle = CConstWrapperArrayHandle<ILink, CLinkID, 0>;
ZX_DECLARE_INTERFACE(ILink, CLinkID, 0);
