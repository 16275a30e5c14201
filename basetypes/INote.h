// INote: a dated remark with a subject and a text, kept by issues as their comments and by tasks,
// resources and 3D entities as their notes. A note owns nothing but its values.
#pragma once

#include <memory>

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API INote : public IDescribed<INote> {
public:
    static constexpr const char* s_kindName = "Note";

    struct Fields {
        CNoteID id;
        CProjectString subject = L"Commentary";
        CProjectString text;
        CUserID createdUserID;
        CUserID updatedUserID;
        CProjectTime createdTimestamp;
        CProjectTime updatedTimestamp;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Subject", &Fields::subject);
        v.field("Text", &Fields::text);
        v.field("CreatedUserID", &Fields::createdUserID);
        v.field("UpdatedUserID", &Fields::updatedUserID);
        v.field("CreatedTimestamp", &Fields::createdTimestamp);
        v.field("UpdatedTimestamp", &Fields::updatedTimestamp);
    }

    const CNoteID& getID() const { return fields().id; }
    void setID(const CNoteID& id) { fields().id = id; }
    const CProjectTime& getCreatedTimestamp() const { return fields().createdTimestamp; }
    void setCreatedTimestamp(const CProjectTime& time) { fields().createdTimestamp = time; }
    const CProjectTime& getUpdatedTimestamp() const { return fields().updatedTimestamp; }
    void setUpdatedTimestamp(const CProjectTime& time) { fields().updatedTimestamp = time; }
    const CUserID& getCreatedUserID() const { return fields().createdUserID; }
    void setCreatedUserID(const CUserID& id) { fields().createdUserID = id; }
    const CUserID& getUpdatedUserID() const { return fields().updatedUserID; }
    void setUpdatedUserID(const CUserID& id) { fields().updatedUserID = id; }
    const CProjectString& getText() const { return fields().text; }
    void setText(const CString& text) { fields().text = text; }
    const CProjectString& getSubject() const { return fields().subject; }
    void setSubject(const CString& subject) { fields().subject = subject; }

    // A new heap copy of the note, owned by the caller.
    virtual std::unique_ptr<INote> clone() const = 0;

protected:
    friend IDescribed<INote>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using INoteHandle = CWrapperHandle<INote>;
using INoteWritableHandle = CWritableWrapperHandle<INote>;
// Notes are walked in ID order, so their array handles are the iterating kind (flag 1).
using INoteArrayHandle = CWrapperArrayHandle<INote, CNoteID, 1>;
using INoteConstArrayHandle = CConstWrapperArrayHandle<INote, CNoteID, 1>;
ZX_DECLARE_INTERFACE(INote, CNoteID, 1);
