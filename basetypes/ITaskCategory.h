// ITaskCategory: a named category that tasks refer to by ID.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ITaskCategory : public IDescribed<ITaskCategory> {
public:
    static constexpr const char* s_kindName = "TaskCategory";

    struct Fields {
        CProjectString name;
        CTaskCategoryID id;
    };
    template <class V>
    static void describeFields(V& v) {
        v.field("Name", &Fields::name);
        v.id("ID", &Fields::id);
    }

    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CTaskCategoryID& getID() const { return fields().id; }
    void setID(const CTaskCategoryID& id) { fields().id = id; }

protected:
    friend IDescribed<ITaskCategory>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ITaskCategoryHandle = CWrapperHandle<ITaskCategory>;
using ITaskCategoryWritableHandle = CWritableWrapperHandle<ITaskCategory>;
using ITaskCategoryArrayHandle = CWrapperArrayHandle<ITaskCategory, CTaskCategoryID, 0>;
using ITaskCategoryConstArrayHandle = CConstWrapperArrayHandle<ITaskCategory, CTaskCategoryID, 0>;
ZX_DECLARE_INTERFACE(ITaskCategory, CTaskCategoryID, 0);
