// IUserGrid: a grid layout a user saved (its columns, widths and order, kept as the host's own
// text), under the grid it was derived from (ParentID, unset for a top-level grid).
//
// A new grid has no parent and no data.
//
// Archive record: the fields in description order.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IUserGrid : public IDescribed<IUserGrid> {
public:
    static constexpr const char* s_kindName = "UserGrid";

    struct Fields {
        CUserGridID id;
        CUserGridID parentID;
        CProjectString data;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("ParentID", &Fields::parentID);
        v.field("Data", &Fields::data);
    }

    const CUserGridID& getID() const { return fields().id; }
    void setID(const CUserGridID& id) { fields().id = id; }
    const CUserGridID& getParentID() const { return fields().parentID; }
    void setParentID(const CUserGridID& id) { fields().parentID = id; }
    const CProjectString& getData() const { return fields().data; }
    void setData(const CString& data) { fields().data = data; }

protected:
    friend IDescribed<IUserGrid>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CUserGridID& getWritableID() { return fields().id; }
    CUserGridID& getWritableParentID() { return fields().parentID; }
    CProjectString& getWritableData() { return fields().data; }
};

using IUserGridHandle = CWrapperHandle<IUserGrid>;
using IUserGridWritableHandle = CWritableWrapperHandle<IUserGrid>;
using IUserGridArrayHandle = CWrapperArrayHandle<IUserGrid, CUserGridID, 0>;
using IUserGridConstArrayHandle = CConstWrapperArrayHandle<IUserGrid, CUserGridID, 0>;
ZX_DECLARE_INTERFACE(IUserGrid, CUserGridID, 0);
