// IResourceGroup: a package of resources (its members, by ID) with the people responsible for it,
// a contractor, classification, code values, document links, notes and user field values.
//
// Unlike most objects, a new group is already somebody: its constructor gives it a fresh ID.
// Defaults otherwise (initialize): every other ID unset, texts empty, type and status their first
// values, no members. Notes and user field values are held through pointers that stay null while
// there are none.
#pragma once

#include <utility>

#include "basetypes/CCompactValue.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CUserFieldValue.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/ClassificationAccess.h"
#include "basetypes/IDescribed.h"
#include "basetypes/INote.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IResourceGroup;
using IResourceGroupHandle = CWrapperHandle<IResourceGroup>;
using IResourceGroupWritableHandle = CWritableWrapperHandle<IResourceGroup>;
using IResourceGroupArrayHandle = CWrapperArrayHandle<IResourceGroup, CResourceGroupID, 0>;
using IResourceGroupConstArrayHandle =
    CConstWrapperArrayHandle<IResourceGroup, CResourceGroupID, 0>;
ZX_DECLARE_INTERFACE(IResourceGroup, CResourceGroupID, 0);

class ZX_API IResourceGroup : public IDescribed<IResourceGroup>,
                              public ClassificationAccess<IResourceGroup> {
public:
    static constexpr const char* s_kindName = "ResourceGroup";

    struct Fields {
        CResourceGroupID id;
        CCompanyID contractorID;
        CUseProfileID activityTypeID;
        CCodeValueID disciplineID;
        CResourceID constructionAreaID;
        CResourceID plannerID;
        CResourceID superintendentID;
        CResourceID foremanID;
        CResourceID generalForemanID;
        CProjectString name;
        CProjectString resourceGroupCode;
        CProjectString description;
        CProjectString emailAddress;
        CProjectString url;
        CPackageType type;
        CPackageStatus status;
        CResourceIDArray resourceIDs;
        CCompactValue<CCodeValueIDArray> assignedCodeValues;
        CCompactValue<CDocumentFileIDArray> documentFileIDs;
        CHeapValue<CUserFieldValueArray> userFieldValues;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("ResourceGroupCode", &Fields::resourceGroupCode);
        v.field("Description", &Fields::description);
        v.field("EmailAddress", &Fields::emailAddress);
        v.field("URL", &Fields::url);
        v.field("Type", &Fields::type);
        v.field("Status", &Fields::status);
        v.field("ContractorID", &Fields::contractorID);
        v.field("ActivityTypeID", &Fields::activityTypeID);
        v.field("DisciplineID", &Fields::disciplineID);
        v.field("ConstructionAreaID", &Fields::constructionAreaID);
        v.field("PlannerID", &Fields::plannerID);
        v.field("SuperintendentID", &Fields::superintendentID);
        v.field("ForemanID", &Fields::foremanID);
        v.field("GeneralForemanID", &Fields::generalForemanID);
        v.field("ResourceIDs", &Fields::resourceIDs);
        v.field("AssignedCodeValues", &Fields::assignedCodeValues);
        v.field("DocumentFileIDs", &Fields::documentFileIDs);
        v.field("UserFieldValues", &Fields::userFieldValues);
        v.optionalCollection("Notes", &IResourceGroup::getNotes, &IResourceGroup::getNotes,
                             &IResourceGroup::allocateNotes, &IResourceGroup::removeAllNotes);
    }

    const CResourceGroupID& getID() const { return fields().id; }
    void setID(const CResourceGroupID& id) { fields().id = id; }

    // Members.
    const CResourceIDArray& getResourceIDs() const { return fields().resourceIDs; }
    void setResourceIDs(const CResourceIDArray& ids) { fields().resourceIDs = ids; }
    // The member's position, or -1 when it is a member already.
    [[nodiscard]] int addToResourceGroup(const CResourceID& id) {
        return fields().resourceIDs.Add(id);
    }
    [[nodiscard]] bool removeFromResourceGroup(const CResourceID& id) {
        return fields().resourceIDs.removeByID(id);
    }
    // Empties the member list and nothing else.
    virtual void clear() { fields().resourceIDs.RemoveAll(); }

    // Texts and classification.
    const CProjectString& getName() const { return fields().name; }
    void setName(const CProjectString& name) { fields().name = name; }
    const CProjectString& getResourceGroupCode() const { return fields().resourceGroupCode; }
    void setResourceGroupCode(const CString& code) { fields().resourceGroupCode = code; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectString& getEmailAddress() const { return fields().emailAddress; }
    void setEmailAddress(const CString& address) { fields().emailAddress = address; }
    const CProjectString& getURL() const { return fields().url; }
    void setURL(const CString& url) { fields().url = url; }
    const CPackageType& getType() const { return fields().type; }
    void setType(const CPackageType& type) { fields().type = type; }
    const CPackageStatus& getStatus() const { return fields().status; }
    void setStatus(const CPackageStatus& status) { fields().status = status; }

    // The contractor, the classification it is filed under and the people responsible.
    const CCompanyID& getContractorID() const { return fields().contractorID; }
    void setContractorID(const CCompanyID& id) { fields().contractorID = id; }
    const CUseProfileID& getActivityTypeID() const { return fields().activityTypeID; }
    void setActivityTypeID(const CUseProfileID& id) { fields().activityTypeID = id; }
    const CCodeValueID& getDisciplineID() const { return fields().disciplineID; }
    void setDisciplineID(const CCodeValueID& id) { fields().disciplineID = id; }
    const CResourceID& getConstructionAreaID() const { return fields().constructionAreaID; }
    void setConstructionAreaID(const CResourceID& id) { fields().constructionAreaID = id; }
    const CResourceID& getPlannerID() const { return fields().plannerID; }
    void setPlannerID(const CResourceID& id) { fields().plannerID = id; }
    const CResourceID& getSuperintendentID() const { return fields().superintendentID; }
    void setSuperintendentID(const CResourceID& id) { fields().superintendentID = id; }
    const CResourceID& getForemanID() const { return fields().foremanID; }
    void setForemanID(const CResourceID& id) { fields().foremanID = id; }
    const CResourceID& getGeneralForemanID() const { return fields().generalForemanID; }
    void setGeneralForemanID(const CResourceID& id) { fields().generalForemanID = id; }

    // Notes.
    virtual INoteConstArrayHandle getNotes() const = 0;
    virtual INoteArrayHandle getNotes() = 0;
    virtual void setNotes(const INoteConstArrayHandle& notes) = 0;
    [[nodiscard]] virtual int addNote(const INote& note) = 0;
    [[nodiscard]] virtual bool insertNote(const INote& note, int index) = 0;
    [[nodiscard]] virtual bool changeNote(const INote& note) = 0;
    [[nodiscard]] virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;

protected:
    friend IDescribed<IResourceGroup>;
    friend ClassificationAccess<IResourceGroup>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    virtual void allocateNotes() = 0;
};
