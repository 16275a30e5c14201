// IResource: something tasks consume or occupy (labour, equipment, material, space) with its
// identity, descriptive texts, classification, unit and workspace figures, presentation colour,
// calendar and rule, and everything that hangs off it: rates (each with its costs), sub-resources,
// resource-state histories, notes, code values, document links, 3D representations and user field
// values.
//
// A resource owns every object in its collections. Rates are embedded. The sub-resource collection
// is allocated with the resource and deleted by removeAllSubResources; notes, histories and user
// field values are held through pointers that stay null while there are none. Histories are keyed
// by the resource state they record: at most one history per state.
//
// Defaults of a new resource (initialize): every ID unset, texts empty, every enumeration its
// first value, figures and flags unset, no rates (a host that wants the rate from day zero asks
// for it with addDefaultRate), an allocated empty sub-resource collection.
//
// Archive record, in the order of describeFields. Histories changed layout in file version 367:
//   367 and later: a presence byte, then the histories in the keyed container's framing, each
//     history in its own current record.
//   older files: int32 count, then per history the CResourceStateID it is keyed by (16 bytes)
//     followed by the history's old record (see CRSHistory). The old history record has no IDs of
//     its own, so loading gives each history that state as its key and its group ID, and drops an
//     empty history stored under an unset or null state. Storing in such a version writes the same
//     layout, so the archive reads back what it wrote.
#pragma once

#include <cstdint>
#include <utility>

#include "basetypes/CCompactValue.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CUserFieldValue.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/ClassificationAccess.h"
#include "basetypes/IDescribed.h"
#include "basetypes/INote.h"
#include "basetypes/IRSHistory.h"
#include "basetypes/IResourceRate.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class IProjectAccessor;

class ZX_API IResource;
using IResourceHandle = CWrapperHandle<IResource>;
using IResourceWritableHandle = CWritableWrapperHandle<IResource>;
// Resource collections walk in ID order (flag 1: iterators instead of find(ID, int&)).
using IResourceArrayHandle = CWrapperArrayHandle<IResource, CResourceID, 1>;
using IResourceConstArrayHandle = CConstWrapperArrayHandle<IResource, CResourceID, 1>;
ZX_DECLARE_INTERFACE(IResource, CResourceID, 1);

class ZX_API IResource : public IDescribed<IResource>, public ClassificationAccess<IResource> {
public:
    static constexpr const char* s_kindName = "Resource";
    // The first file version whose histories are a keyed collection of current history records.
    static constexpr int s_firstKeyedHistoriesVersion = 367;

    struct Fields {
        CResourceID id;
        CCompanyID supplierID;
        CCalendarID calendarID;
        CRuleID ruleID;
        CProjectStringArray supplierReferences;
        CEntity3DIDArray representations3D;
        CCompactValue<CDocumentFileIDArray> documentFileIDs;
        CCompactValue<CCodeValueIDArray> assignedCodeValues;
        CProjectString resourceCode;
        CProjectString name;
        CProjectString description;
        CProjectString emailAddress;
        CProjectString url;
        CResourceType type;
        CResourceStatus status;
        CResourceUnitType resourceUnitType;
        CDistanceUnitType unitsOfWorkspaceRequiredByOneUnit;
        CProjectDuration leadTime;
        CProjectDouble resourceUtilizationLimit;
        CProjectDouble valueOfWorkspaceRequiredByOneUnit;
        CProjectBool presentationColorIsAutomatic;
        CProjectColorRGB presentationColor;
        CHeapValue<CUserFieldValueArray> userFieldValues;
        CProjectBool renewableResource;
        CProjectBool partibilityOfOneUnit;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("ResourceCode", &Fields::resourceCode);
        v.field("Name", &Fields::name);
        v.field("Description", &Fields::description);
        v.field("EmailAddress", &Fields::emailAddress);
        v.field("URL", &Fields::url);
        v.field("SupplierID", &Fields::supplierID);
        v.field("CalendarID", &Fields::calendarID);
        v.field("RuleID", &Fields::ruleID);
        v.field("Type", &Fields::type);
        v.field("Status", &Fields::status);
        v.field("ResourceUnitType", &Fields::resourceUnitType);
        v.field("UnitsOfWorkspaceRequiredByOneUnit", &Fields::unitsOfWorkspaceRequiredByOneUnit);
        v.field("ValueOfWorkspaceRequiredByOneUnit", &Fields::valueOfWorkspaceRequiredByOneUnit);
        v.field("ResourceUtilizationLimit", &Fields::resourceUtilizationLimit);
        v.field("LeadTime", &Fields::leadTime);
        v.field("PresentationColorIsAutomatic", &Fields::presentationColorIsAutomatic);
        v.field("PresentationColor", &Fields::presentationColor);
        v.field("RenewableResource", &Fields::renewableResource);
        v.field("PartibilityOfOneUnit", &Fields::partibilityOfOneUnit);
        v.field("SupplierReferences", &Fields::supplierReferences);
        v.field("Representations3D", &Fields::representations3D);
        v.field("AssignedCodeValues", &Fields::assignedCodeValues);
        v.field("DocumentFileIDs", &Fields::documentFileIDs);
        v.field("UserFieldValues", &Fields::userFieldValues);
        v.collection("ResourceRates", &IResource::getResourceRates, &IResource::getResourceRates);
        v.optionalCollection("Notes", &IResource::getNotes, &IResource::getNotes,
                             &IResource::allocateNotes, &IResource::removeAllNotes);
        v.optionalCollection("Histories", &IResource::getHistories, &IResource::getHistories,
                             &IResource::allocateHistories, &IResource::removeAllHistories,
                             {.since = s_firstKeyedHistoriesVersion});
        v.recordOnly("Histories", &IResource::serializeOldHistories,
                     {.before = s_firstKeyedHistoriesVersion});
        v.optionalCollection("SubResources", &IResource::getSubResources,
                             &IResource::getSubResources, &IResource::allocateSubResources,
                             &IResource::emptySubResources);
    }

    // A fresh ID for the resource and for everything it owns, except the keys of its histories:
    // they name the resource states the histories record. Reached through generateIDs().
    void renewIDs() override;

    // Identity and texts.
    const CResourceID& getID() const { return fields().id; }
    void setID(const CResourceID& id) { fields().id = id; }
    const CProjectString& getResourceCode() const { return fields().resourceCode; }
    void setResourceCode(const CString& code) { fields().resourceCode = code; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectString& getEmailAddress() const { return fields().emailAddress; }
    void setEmailAddress(const CString& address) { fields().emailAddress = address; }
    const CProjectString& getURL() const { return fields().url; }
    void setURL(const CString& url) { fields().url = url; }

    // Supplier references: a list of texts, changed through the list's own operations.
    const CProjectStringArray& getSupplierReferences() const { return fields().supplierReferences; }
    void setSupplierReferences(const CProjectStringArray& references) {
        fields().supplierReferences = references;
    }
    // The new reference's position.
    [[nodiscard]] int addSupplierReference(const CString& reference) {
        return fields().supplierReferences.Add(reference);
    }
    // False for a position outside the list.
    [[nodiscard]] bool setSupplierReference(const CString& reference, int index);
    [[nodiscard]] bool removeSupplierReference(int index);

    // Classification and links to other objects.
    const CResourceType& getType() const { return fields().type; }
    void setType(const CResourceType& type) { fields().type = type; }
    const CResourceStatus& getStatus() const { return fields().status; }
    void setStatus(const CResourceStatus& status) { fields().status = status; }
    const CCompanyID& getSupplierID() const { return fields().supplierID; }
    void setSupplierID(const CCompanyID& id) { fields().supplierID = id; }
    const CCalendarID& getCalendarID() const { return fields().calendarID; }
    void setCalendarID(const CCalendarID& id) { fields().calendarID = id; }
    const CRuleID& getRuleID() const { return fields().ruleID; }
    void setRuleID(const CRuleID& id) { fields().ruleID = id; }

    // Units, workspace and availability.
    const CResourceUnitType& getResourceUnitType() const { return fields().resourceUnitType; }
    void setResourceUnitType(const CResourceUnitType& unit) { fields().resourceUnitType = unit; }
    const CDistanceUnitType& getUnitsOfWorkspaceRequiredByOneUnit() const {
        return fields().unitsOfWorkspaceRequiredByOneUnit;
    }
    void setUnitsOfWorkspaceRequiredByOneUnit(const CDistanceUnitType& unit) {
        fields().unitsOfWorkspaceRequiredByOneUnit = unit;
    }
    const CProjectDouble& getValueOfWorkspaceRequiredByOneUnit() const {
        return fields().valueOfWorkspaceRequiredByOneUnit;
    }
    void setValueOfWorkspaceRequiredByOneUnit(const double& value) {
        fields().valueOfWorkspaceRequiredByOneUnit = value;
    }
    const CProjectDouble& getResourceUtilizationLimit() const {
        return fields().resourceUtilizationLimit;
    }
    void setResourceUtilizationLimit(const double& limit) {
        fields().resourceUtilizationLimit = limit;
    }
    const CProjectDuration& getLeadTime() const { return fields().leadTime; }
    void setLeadTime(const CProjectDuration& time) { fields().leadTime = time; }
    const CProjectBool& getRenewableResource() const { return fields().renewableResource; }
    void setRenewableResource(const bool& renewable) { fields().renewableResource = renewable; }
    const CProjectBool& getPartibilityOfOneUnit() const { return fields().partibilityOfOneUnit; }
    void setPartibilityOfOneUnit(const bool& partible) { fields().partibilityOfOneUnit = partible; }

    // Presentation. Setting the colour leaves the automatic flag as it is.
    const CProjectBool& getPresentationColorIsAutomatic() const {
        return fields().presentationColorIsAutomatic;
    }
    void setPresentationColorIsAutomatic(const bool& automatic) {
        fields().presentationColorIsAutomatic = automatic;
    }
    const CProjectColorRGB& getPresentationColor() const { return fields().presentationColor; }
    // The colour packed as 0x00BBGGRR; higher bits are ignored.
    void setPresentationColor(const unsigned long& packed) {
        fields().presentationColor = CProjectColorRGB(static_cast<std::uint32_t>(packed));
    }

    // 3D representations (an ID set).
    const CEntity3DIDArray& get3DRepresentations() const { return fields().representations3D; }
    void set3DRepresentations(const CEntity3DIDArray& ids) { fields().representations3D = ids; }
    [[nodiscard]] int add3DRepresentation(const CEntity3DID& id) {
        return fields().representations3D.Add(id);
    }
    [[nodiscard]] bool insert3DRepresentation(const CEntity3DID& id, int index) {
        return fields().representations3D.InsertAt(index, id);
    }
    [[nodiscard]] bool remove3DRepresentation(const CEntity3DID& id) {
        return fields().representations3D.RemoveAt(fields().representations3D.findByID(id));
    }
    void removeAll3DRepresentations() { fields().representations3D.RemoveAll(); }

    // Rates (embedded). index -1 adds; any other index inserts there. False when the rate's ID
    // is present or the index is outside 0..count.
    virtual IResourceRateConstArrayHandle getResourceRates() const = 0;
    virtual IResourceRateArrayHandle getResourceRates() = 0;
    [[nodiscard]] virtual bool addResourceRate(const IResourceRate& rate, int index) = 0;
    virtual bool changeResourceRate(const IResourceRate& rate) = 0;
    [[nodiscard]] virtual bool removeResourceRate(const CResourceRateID& id) = 0;
    virtual void removeAllResourceRates() = 0;
    // Adds a rate of fresh identity effective from the zero date.
    void addDefaultRate() { createDefaultRate(); }

    // Sub-resources. A null collection (after removeAllSubResources) reads as empty.
    virtual IResourceConstArrayHandle getSubResources() const = 0;
    virtual IResourceArrayHandle getSubResources() = 0;
    // Position of the stored copy, or -1 when a sub-resource with that ID is present.
    [[nodiscard]] virtual int addSubResource(const IResource& resource) = 0;
    // False for a negative index, one above the count or an ID already present.
    [[nodiscard]] virtual bool insertSubResource(const IResource& resource, int index) = 0;
    // An emptied collection is deleted.
    [[nodiscard]] virtual bool removeSubResource(const CResourceID& id) = 0;
    // Deletes the collection with every sub-resource in it.
    virtual void removeAllSubResources() = 0;
    // Moves the handle's resource in at the end without copying; refused unless the handle holds
    // a CResource. On refusal the resource stays with the handle's holder.
    [[nodiscard]] virtual bool attachSubResource(IResourceWritableHandle resource) = 0;
    // Takes the sub-resource out without deleting it: the caller owns it through the handle.
    // The collection stays allocated.
    [[nodiscard]] virtual IResourceWritableHandle detachSubResource(const CResourceID& id) = 0;

    // Notes.
    virtual INoteConstArrayHandle getNotes() const = 0;
    virtual INoteArrayHandle getNotes() = 0;
    virtual void setNotes(const INoteConstArrayHandle& notes) = 0;
    [[nodiscard]] virtual int addNote(const INote& note) = 0;
    [[nodiscard]] virtual bool insertNote(const INote& note, int index) = 0;
    [[nodiscard]] virtual bool changeNote(const INote& note) = 0;
    [[nodiscard]] virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;

    // Histories, one per resource state. index -1 adds; any other index inserts there.
    virtual IRSHistoryConstArrayHandle getHistories() const = 0;
    virtual IRSHistoryArrayHandle getHistories() = 0;
    virtual void setHistories(const IRSHistoryConstArrayHandle& histories) = 0;
    [[nodiscard]] virtual bool addHistory(const IRSHistory& history, int index) = 0;
    virtual bool changeHistory(const IRSHistory& history) = 0;
    // An emptied collection is deleted.
    [[nodiscard]] virtual bool removeHistory(const CResourceStateID& id) = 0;
    virtual void removeAllHistories() = 0;

    // Runs after the whole project has been loaded. A resource keeps nothing that the project's
    // calculations would have to restore, so there is nothing to do.
    virtual void postSerialize(IProjectAccessor* project);

    int numberOfResourceRates() const { return getResourceRates().GetSize(); }
    int numberOfHistories() const { return getHistories().GetSize(); }

protected:
    friend IDescribed<IResource>;
    friend ClassificationAccess<IResource>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

private:
    // Create the pointer-held collections (empty) when they are absent.
    virtual void allocateSubResources() = 0;
    virtual void allocateNotes() = 0;
    virtual void allocateHistories() = 0;
    // Leaves an allocated, empty sub-resource collection, as a new resource has.
    virtual void emptySubResources() = 0;
    virtual void createDefaultRate() = 0;
    // Reads one history of the old layout, stored under state; see the header comment.
    virtual void serializeOldHistory(CZentrixArchive& ar, const CResourceStateID& state) = 0;
    // The histories of records older than s_firstKeyedHistoriesVersion.
    void serializeOldHistories(CZentrixArchive& ar);
};
