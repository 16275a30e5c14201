// IRSHistoryItem: one entry of a resource-state history: from its time on, the resource is in the
// state its status ID names. It also says who recorded it and when, whether it is critical, and
// carries a note.
//
// Record (field by field, in the order of describeFields): time, record time, status ID, ID,
// critical flag, user ID, note.
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IRSHistoryItem : public IDescribed<IRSHistoryItem> {
public:
    static constexpr const char* s_kindName = "ResourceStateHistoryItem";

    struct Fields {
        CProjectTime time;
        CProjectTime recordTime;
        CResourceStateID statusID;
        CResourceStateHistoryItemID id;
        CProjectBool critical = false;
        // Nobody recorded it until a user is set: the null ID, not the unset one.
        CUserID userID{GUID{}};
        CProjectString note;
    };
    template <class V>
    static void describeFields(V& v) {
        v.field("Time", &Fields::time, {.ascending = true});
        v.field("RecordTime", &Fields::recordTime);
        v.field("StatusID", &Fields::statusID);
        v.id("ID", &Fields::id);
        v.field("Critical", &Fields::critical);
        v.field("UserID", &Fields::userID);
        v.field("Note", &Fields::note);
    }

    const CResourceStateHistoryItemID& getID() const { return fields().id; }
    void setID(const CResourceStateHistoryItemID& id) { fields().id = id; }
    const CProjectTime& getTime() const { return fields().time; }
    void setTime(const CProjectTime& time) { fields().time = time; }
    const CProjectTime& getRecordTime() const { return fields().recordTime; }
    void setRecordTime(const CProjectTime& time) { fields().recordTime = time; }
    const CResourceStateID& getStatusID() const { return fields().statusID; }
    void setStatusID(const CResourceStateID& id) { fields().statusID = id; }
    const CProjectBool& getCritical() const { return fields().critical; }
    void setCritical(bool critical) { fields().critical = critical; }
    const CUserID& getUserID() const { return fields().userID; }
    void setUserID(const CUserID& id) { fields().userID = id; }
    const CProjectString& getNote() const { return fields().note; }
    void setNote(const CString& note) { fields().note = note; }

    // Stamps the item with the current time as the moment it was recorded.
    void updateRecordTime() { fields().recordTime = CProjectTime::GetTickCount(); }

    // A new item equal to this one, owned by the caller.
    virtual std::unique_ptr<IRSHistoryItem> clone() const = 0;

protected:
    friend IDescribed<IRSHistoryItem>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IRSHistoryItemHandle = CWrapperHandle<IRSHistoryItem>;
using IRSHistoryItemWritableHandle = CWritableWrapperHandle<IRSHistoryItem>;
using IRSHistoryItemArrayHandle =
    CWrapperArrayHandle<IRSHistoryItem, CResourceStateHistoryItemID, 0>;
using IRSHistoryItemConstArrayHandle =
    CConstWrapperArrayHandle<IRSHistoryItem, CResourceStateHistoryItemID, 0>;
ZX_DECLARE_INTERFACE(IRSHistoryItem, CResourceStateHistoryItemID, 0);
