// IRole: a named set of permissions that users are given.
//
// A new role (initialize) has an unset ID, no name and no permission at all: a role grants only
// what it is given. The standard roles (CProjectConstants' role names) come with the permissions
// of standardPermissions.
//
// Archive record: the fields in description order.
#pragma once

#include <optional>

#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixPermissions.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IRole : public IDescribed<IRole> {
public:
    static constexpr const char* s_kindName = "Role";

    struct Fields {
        CRoleID id;
        CProjectString name;
        CZentrixPermissions permissions;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Permissions", &Fields::permissions);
    }

    const CRoleID& getID() const { return fields().id; }
    void setID(const CRoleID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CZentrixPermissions& getPermissions() const { return fields().permissions; }
    void setPermissions(const CZentrixPermissions& permissions) {
        fields().permissions = permissions;
    }

    // The permissions of a standard role, by its name (exactly as CProjectConstants gives it):
    //   Administrator  reads and writes everything, project settings included
    //   Planner        reads everything, writes everything but project settings
    //   User           reads everything, writes actuals, resource statuses, documents, issues
    //                  and user data
    //   Field          reads schedule, actuals, assignments, resource statuses, 3D, documents and
    //                  issues; writes actuals, resource statuses, documents and issues
    //   VDC            reads everything, writes 3D, presentations, documents and issues
    //   Viewer         reads everything but costs, writes nothing
    //   Guest          reads schedule, presentations and 3D, writes nothing
    // Nothing for any other name. None of them is cloud based.
    static std::optional<CZentrixPermissions> standardPermissions(const CString& name);
    // Makes this role the standard role of that name; false (and nothing changed) for a name
    // that is no standard role.
    [[nodiscard]] bool initializeAsStandardRole(const CString& name);

protected:
    friend IDescribed<IRole>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    CRoleID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
    CZentrixPermissions& getWritablePermissions() { return fields().permissions; }
};

using IRoleHandle = CWrapperHandle<IRole>;
using IRoleWritableHandle = CWritableWrapperHandle<IRole>;
using IRoleArrayHandle = CWrapperArrayHandle<IRole, CRoleID, 0>;
using IRoleConstArrayHandle = CConstWrapperArrayHandle<IRole, CRoleID, 0>;
ZX_DECLARE_INTERFACE(IRole, CRoleID, 0);
