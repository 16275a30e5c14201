// ISpatialUseProfile: what the spatial checks look for among the 3D entities a resource occupies
// while a task uses it (a join-test profile type) and within what distance (the tolerance, in the
// project's length unit). Resource assignments name one by its ID. It owns nothing but its values.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/UseProfileEnumerations.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ISpatialUseProfile : public IDescribed<ISpatialUseProfile> {
public:
    static constexpr const char* s_kindName = "SpatialUseProfile";

    // Defaults (initialize): no name, no test, tolerance 0 (set).
    struct Fields {
        CSpatialUseProfileID id;
        CProjectString name;
        CJoinTestProfileType joinTestProfileType;
        CProjectDouble tolerance = 0.0;
        CUserID userID;
        CCompanyID companyID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("JoinTestProfileType", &Fields::joinTestProfileType);
        v.field("Tolerance", &Fields::tolerance, {.min = 0});
        v.field("UserID", &Fields::userID);
        v.field("CompanyID", &Fields::companyID);
    }

    const CSpatialUseProfileID& getID() const { return fields().id; }
    void setID(const CSpatialUseProfileID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CJoinTestProfileType& getJoinTestProfileType() const {
        return fields().joinTestProfileType;
    }
    void setJoinTestProfileType(const CJoinTestProfileType& type) {
        fields().joinTestProfileType = type;
    }
    const CProjectDouble& getTolerance() const { return fields().tolerance; }
    void setTolerance(double tolerance) { fields().tolerance = tolerance; }
    const CUserID& getUserID() const { return fields().userID; }
    void setUserID(const CUserID& id) { fields().userID = id; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    void setCompanyID(const CCompanyID& id) { fields().companyID = id; }

protected:
    friend IDescribed<ISpatialUseProfile>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CSpatialUseProfileID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
    CJoinTestProfileType& getWritableJoinTestProfileType() { return fields().joinTestProfileType; }
    CProjectDouble& getWritableTolerance() { return fields().tolerance; }
    CUserID& getWritableUserID() { return fields().userID; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
};

using ISpatialUseProfileHandle = CWrapperHandle<ISpatialUseProfile>;
using ISpatialUseProfileWritableHandle = CWritableWrapperHandle<ISpatialUseProfile>;
using ISpatialUseProfileArrayHandle =
    CWrapperArrayHandle<ISpatialUseProfile, CSpatialUseProfileID, 0>;
using ISpatialUseProfileConstArrayHandle =
    CConstWrapperArrayHandle<ISpatialUseProfile, CSpatialUseProfileID, 0>;
ZX_DECLARE_INTERFACE(ISpatialUseProfile, CSpatialUseProfileID, 0);
