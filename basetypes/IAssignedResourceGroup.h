// IAssignedResourceGroup: a task's use of a resource group, with one parameter set per member
// resource, and how the group moves through the 3D scene while the task runs (the assignment
// part).
//
// Record (written to disk; must never change): ID, group ID, the assignment part, the parameter
// array.
#pragma once

#include <utility>

#include "basetypes/CAssignedResourceParameters.h"
#include "basetypes/IAssignmentPart.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IAssignedResourceGroup : public IDescribed<IAssignedResourceGroup>,
                                      public IAssignmentPart<IAssignedResourceGroup> {
public:
    static constexpr const char* s_kindName = "AssignedResourceGroup";

    struct Fields : AssignmentMotion {
        CAssignedResourceGroupID id;
        CResourceGroupID groupID;
        CAssignedResourceParametersArray parameters;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("GroupID", &Fields::groupID);
        AssignmentMotion::describeFields(v);
        v.field("Parameters", &Fields::parameters);
    }

    void Serialize(CZentrixArchive& ar) override {
        IDescribed::Serialize(ar);
        if (ar.IsLoading()) dropIdentityTransform();
    }

    const CAssignedResourceGroupID& getID() const { return fields().id; }
    void setID(const CAssignedResourceGroupID& id) { fields().id = id; }
    const CResourceGroupID& getGroupID() const { return fields().groupID; }
    void setGroupID(const CResourceGroupID& id) { fields().groupID = id; }
    // One set per member resource, keyed by resource ID.
    const CAssignedResourceParametersArray& getParameters() const { return fields().parameters; }
    // Both replace the whole array.
    void setParameters(CAssignedResourceParametersArray&& parameters) {
        fields().parameters = std::move(parameters);
    }
    void setParameters(const CAssignedResourceParametersArray& parameters) {
        fields().parameters = parameters;
    }

protected:
    friend IDescribed<IAssignedResourceGroup>;
    friend IAssignmentPart<IAssignedResourceGroup>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IAssignedResourceGroupHandle = CWrapperHandle<IAssignedResourceGroup>;
using IAssignedResourceGroupWritableHandle = CWritableWrapperHandle<IAssignedResourceGroup>;
using IAssignedResourceGroupArrayHandle =
    CWrapperArrayHandle<IAssignedResourceGroup, CAssignedResourceGroupID, 0>;
using IAssignedResourceGroupConstArrayHandle =
    CConstWrapperArrayHandle<IAssignedResourceGroup, CAssignedResourceGroupID, 0>;
ZX_DECLARE_INTERFACE(IAssignedResourceGroup, CAssignedResourceGroupID, 0);
