// IProposedReschedule: a change to the schedule that is proposed but not made: the tasks up- and
// downstream of it, and the index of the resource or task state it proposes (StateIndex, the
// host's own numbering; unset when it proposes none). The host holds one per project; it has no
// root.
//
// A new or cleared proposal names no tasks and has no state index.
//
// Archive record: the fields in description order.
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IProposedReschedule : public IDescribed<IProposedReschedule> {
public:
    static constexpr const char* s_kindName = "ProposedReschedule";

    struct Fields {
        // Keys the one proposal in the document's root of held objects.
        CProposedRescheduleID id;
        CTaskIDArray upstreamTaskIDs;
        CTaskIDArray downstreamTaskIDs;
        CProjectInt stateIndex;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("UpstreamTaskIDs", &Fields::upstreamTaskIDs);
        v.field("DownstreamTaskIDs", &Fields::downstreamTaskIDs);
        v.field("StateIndex", &Fields::stateIndex);
    }

    // Back to a new proposal's values, the ID included.
    void clear() { initialize(); }

    const CProposedRescheduleID& getID() const { return fields().id; }
    void setID(const CProposedRescheduleID& id) { fields().id = id; }
    const CTaskIDArray& getUpstreamTaskIDs() const { return fields().upstreamTaskIDs; }
    void setUpstreamTaskIDs(const CTaskIDArray& ids) { fields().upstreamTaskIDs = ids; }
    const CTaskIDArray& getDownstreamTaskIDs() const { return fields().downstreamTaskIDs; }
    void setDownstreamTaskIDs(const CTaskIDArray& ids) { fields().downstreamTaskIDs = ids; }
    const CProjectInt& getStateIndex() const { return fields().stateIndex; }
    void setStateIndex(int index) { fields().stateIndex = index; }

    // A new heap copy; the caller owns it.
    virtual std::unique_ptr<IProposedReschedule> clone() const = 0;

protected:
    friend IDescribed<IProposedReschedule>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CTaskIDArray& getWritableUpstreamTaskIDs() { return fields().upstreamTaskIDs; }
    CTaskIDArray& getWritableDownstreamTaskIDs() { return fields().downstreamTaskIDs; }
    CProjectInt& getWritableStateIndex() { return fields().stateIndex; }
};

using IProposedRescheduleHandle = CWrapperHandle<IProposedReschedule>;
using IProposedRescheduleWritableHandle = CWritableWrapperHandle<IProposedReschedule>;
using IProposedRescheduleArrayHandle =
    CWrapperArrayHandle<IProposedReschedule, CProposedRescheduleID, 0>;
using IProposedRescheduleConstArrayHandle =
    CConstWrapperArrayHandle<IProposedReschedule, CProposedRescheduleID, 0>;
ZX_DECLARE_INTERFACE(IProposedReschedule, CProposedRescheduleID, 0);
