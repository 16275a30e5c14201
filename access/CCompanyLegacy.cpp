// CCompanyLegacy: the older company record, the resources, and the one place its templates are
// compiled.
#include "access/CCompanyLegacy.h"

#include "store/CollectionOps.h"

void CCompanyLegacy::Serialize(CZentrixArchive& ar) {
    // Its record is its own, not the generic one, so it counts itself among the object records.
    ar.noteObjectRecord();
    ar.checkMarkerStart(zx::ArchiveMarker(s_markerName));
    ar.setField("ObjectState");
    CObjectState::Serialize(ar);
    zx::fields::serializeEntries<ICompany>(*this, fields(), ar, {"ID", "Type", "CalendarID"});
    ar.setField("Resources");
    getResources().Serialize(ar);
    zx::fields::serializeEntries<ICompany>(
        *this, fields(), ar,
        {"Name", "Address", "TelephoneNumber", "FaxNumber", "EmailAddress", "Color", "URL"});
    ar.checkMarkerEnd(zx::ArchiveMarker(s_markerName));
}

void CCompanyLegacy::renewIDs() {
    ICompany::renewIDs();
    const IResourceArrayHandle resources = getResources();
    for (int i = 0; i < resources.GetSize(); ++i) resources.getWritableReference(i)->renewIDs();
    resources.resort();
}

bool CCompanyLegacy::attachResource(const IResourceWritableHandle& resource) {
    return attachFromHandle(m_resources, resource, -1);
}

IResourceWritableHandle CCompanyLegacy::detachResource(const CResourceID& id) {
    return detachToHandle(m_resources, id);
}

bool CCompanyLegacy::removeResource(const CResourceID& id) {
    return removeByIDKeepingSort(m_resources, id);
}

ZX_KIND_TEMPLATES(, , ICompany, CCompanyLegacy, CCompanyID, 0);
