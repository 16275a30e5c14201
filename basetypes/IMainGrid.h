// IMainGrid: the layout of the project's main grid, kept as the host's own text. The host holds
// one per project; it has no root.
//
// A new main grid has no data.
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

class ZX_API IMainGrid : public IDescribed<IMainGrid> {
public:
    static constexpr const char* s_kindName = "MainGrid";

    struct Fields {
        // Keys the one main grid in the document's root of held objects.
        CMainGridID id;
        CProjectString data;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Data", &Fields::data);
    }

    const CMainGridID& getID() const { return fields().id; }
    void setID(const CMainGridID& id) { fields().id = id; }
    const CProjectString& getData() const { return fields().data; }
    void setData(const CString& data) { fields().data = data; }

protected:
    friend IDescribed<IMainGrid>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CProjectString& getWritableData() { return fields().data; }
};

using IMainGridHandle = CWrapperHandle<IMainGrid>;
using IMainGridWritableHandle = CWritableWrapperHandle<IMainGrid>;
using IMainGridArrayHandle = CWrapperArrayHandle<IMainGrid, CMainGridID, 0>;
using IMainGridConstArrayHandle = CConstWrapperArrayHandle<IMainGrid, CMainGridID, 0>;
ZX_DECLARE_INTERFACE(IMainGrid, CMainGridID, 0);
