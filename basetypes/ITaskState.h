// ITaskState: a named state of tasks with its status and colour.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ITaskState : public IDescribed<ITaskState> {
public:
    static constexpr const char* s_kindName = "TaskState";

    struct Fields {
        CTaskStateID id;
        CProjectString name;
        CProjectBool isDefault = false;
        CTaskStatus status;
        CProjectColorRGB color = CProjectColorRGB::white();
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("IsDefault", &Fields::isDefault);
        v.field("Status", &Fields::status);
        v.field("Color", &Fields::color);
    }

    const CTaskStateID& getID() const { return fields().id; }
    void setID(const CTaskStateID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectBool& getIsDefault() const { return fields().isDefault; }
    void setIsDefault(bool isDefault) { fields().isDefault = isDefault; }
    const CTaskStatus& getStatus() const { return fields().status; }
    void setStatus(const CTaskStatus& status) { fields().status = status; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }

protected:
    friend IDescribed<ITaskState>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ITaskStateHandle = CWrapperHandle<ITaskState>;
using ITaskStateWritableHandle = CWritableWrapperHandle<ITaskState>;
using ITaskStateArrayHandle = CWrapperArrayHandle<ITaskState, CTaskStateID, 0>;
using ITaskStateConstArrayHandle = CConstWrapperArrayHandle<ITaskState, CTaskStateID, 0>;
ZX_DECLARE_INTERFACE(ITaskState, CTaskStateID, 0);
