// IAssignedResource: a task's use of one resource, and how that resource moves through the 3D
// scene while the task runs (the assignment part).
//
// Record (written to disk; must never change): ID, the assignment part, the parameters.
#pragma once

#include "basetypes/CAssignedResourceParameters.h"
#include "basetypes/IAssignmentPart.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IAssignedResource : public IDescribed<IAssignedResource>,
                                 public IAssignmentPart<IAssignedResource> {
public:
    static constexpr const char* s_kindName = "AssignedResource";

    struct Fields : AssignmentMotion {
        CAssignedResourceID id;
        CAssignedResourceParameters parameters;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        AssignmentMotion::describeFields(v);
        v.field("Parameters", &Fields::parameters);
    }

    void Serialize(CZentrixArchive& ar) override {
        IDescribed::Serialize(ar);
        if (ar.IsLoading()) dropIdentityTransform();
    }

    const CAssignedResourceID& getID() const { return fields().id; }
    void setID(const CAssignedResourceID& id) { fields().id = id; }
    // The assigned resource is the one the parameters name.
    const CAssignedResourceParameters& getParameters() const { return fields().parameters; }
    void setParameters(const CAssignedResourceParameters& parameters) {
        fields().parameters = parameters;
    }

protected:
    friend IDescribed<IAssignedResource>;
    friend IAssignmentPart<IAssignedResource>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IAssignedResourceHandle = CWrapperHandle<IAssignedResource>;
using IAssignedResourceWritableHandle = CWritableWrapperHandle<IAssignedResource>;
using IAssignedResourceArrayHandle = CWrapperArrayHandle<IAssignedResource, CAssignedResourceID, 0>;
using IAssignedResourceConstArrayHandle =
    CConstWrapperArrayHandle<IAssignedResource, CAssignedResourceID, 0>;
ZX_DECLARE_INTERFACE(IAssignedResource, CAssignedResourceID, 0);
