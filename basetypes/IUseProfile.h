// IUseProfile: how the 3D entities of a resource look while a task uses them: one appearance at
// the start of the use, one while it is active and one at its end. Resource assignments and
// resource groups name a use profile by its ID. A profile owns a tree of sub-profiles (variants
// of it), every node owning its children.
#pragma once

#include "basetypes/CEntityAppearance.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/UseProfileEnumerations.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IUseProfile;
using IUseProfileHandle = CWrapperHandle<IUseProfile>;
using IUseProfileWritableHandle = CWritableWrapperHandle<IUseProfile>;
using IUseProfileArrayHandle = CWrapperArrayHandle<IUseProfile, CUseProfileID, 0>;
using IUseProfileConstArrayHandle = CConstWrapperArrayHandle<IUseProfile, CUseProfileID, 0>;
ZX_DECLARE_INTERFACE(IUseProfile, CUseProfileID, 0);

class ZX_API IUseProfile : public IDescribed<IUseProfile> {
public:
    static constexpr const char* s_kindName = "UseProfile";

    struct Fields {
        CUseProfileID id;
        CProjectString name;
        // Unset on a new profile: neither marked the default nor marked not to be.
        CProjectBool isDefaultProfile;
        CResourceProfileType type;
        CEntityAppearance startAppearance;
        CEntityAppearance activeAppearance;
        CEntityAppearance endAppearance;
        CUserID userID;
        CCompanyID companyID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("IsDefaultProfile", &Fields::isDefaultProfile);
        v.field("Type", &Fields::type);
        v.field("StartAppearance", &Fields::startAppearance);
        v.field("ActiveAppearance", &Fields::activeAppearance);
        v.field("EndAppearance", &Fields::endAppearance);
        v.field("UserID", &Fields::userID);
        v.field("CompanyID", &Fields::companyID);
        v.collection("SubUseProfiles", &IUseProfile::getSubUseProfiles,
                     &IUseProfile::getSubUseProfiles);
    }

    const CUseProfileID& getID() const { return fields().id; }
    void setID(const CUseProfileID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectBool& getIsDefaultProfile() const { return fields().isDefaultProfile; }
    void setIsDefaultProfile(bool isDefault) { fields().isDefaultProfile = isDefault; }
    const CResourceProfileType& getType() const { return fields().type; }
    void setType(const CResourceProfileType& type) { fields().type = type; }
    const CEntityAppearance& getStartAppearance() const { return fields().startAppearance; }
    void setStartAppearance(const CEntityAppearance& appearance) {
        fields().startAppearance = appearance;
    }
    const CEntityAppearance& getActiveAppearance() const { return fields().activeAppearance; }
    void setActiveAppearance(const CEntityAppearance& appearance) {
        fields().activeAppearance = appearance;
    }
    const CEntityAppearance& getEndAppearance() const { return fields().endAppearance; }
    void setEndAppearance(const CEntityAppearance& appearance) {
        fields().endAppearance = appearance;
    }
    const CUserID& getUserID() const { return fields().userID; }
    void setUserID(const CUserID& id) { fields().userID = id; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    void setCompanyID(const CCompanyID& id) { fields().companyID = id; }

    virtual IUseProfileConstArrayHandle getSubUseProfiles() const = 0;
    virtual IUseProfileArrayHandle getSubUseProfiles() = 0;
    // The new position, or -1 when a sub-profile with the same ID is already there.
    [[nodiscard]] virtual int addSubUseProfile(const IUseProfile& profile) = 0;
    [[nodiscard]] virtual bool insertSubUseProfile(const IUseProfile& profile, int index) = 0;
    virtual void removeAllSubUseProfiles() = 0;
    [[nodiscard]] virtual bool removeSubUseProfile(int index) = 0;
    [[nodiscard]] virtual bool removeSubUseProfile(const CUseProfileID& id) = 0;
    // Takes over the profile the handle views, at index (negative: at the end); false, and the
    // profile stays with the caller, when index is above the count or the ID is already there.
    [[nodiscard]] virtual bool attachSubUseProfile(IUseProfileWritableHandle profile,
                                                   int index) = 0;
    // The sub-profile taken out, now owned by the caller; an empty handle when absent.
    [[nodiscard]] virtual IUseProfileWritableHandle detachSubUseProfile(
        const CUseProfileID& id) = 0;

protected:
    friend IDescribed<IUseProfile>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CUseProfileID& getWritableID() { return fields().id; }
    CProjectString& getWritableName() { return fields().name; }
    CProjectBool& getWritableIsDefaultProfile() { return fields().isDefaultProfile; }
    CResourceProfileType& getWritableType() { return fields().type; }
    CEntityAppearance& getWritableStartAppearance() { return fields().startAppearance; }
    CEntityAppearance& getWritableActiveAppearance() { return fields().activeAppearance; }
    CEntityAppearance& getWritableEndAppearance() { return fields().endAppearance; }
    CUserID& getWritableUserID() { return fields().userID; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
};
