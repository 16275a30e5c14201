// CCompanyLegacy: a company as older files keep it, in the older company record, together with
// the resources of that company (owned, in a keyed collection sorted by ID).
//
// Its values are ICompany's; only its record and its resources are its own. Archive record
// (written and read by the same code; the layout of older files, which must never change):
//   start marker "CCompany"
//   the object state (8 bytes, CObjectState's record)
//   ID, Type, CalendarID                        (each as ICompany's record holds it)
//   the resources, in the keyed container's "CUniquePointerArray" framing
//   Name, Address, TelephoneNumber, FaxNumber, EmailAddress, Color, URL
//   end marker "CCompany"
// The resources' own records follow their file-version thresholds (IResource); the company's
// part has none.
//
// Copies and comparisons take values and resources; copyFrom from any ICompany takes its values
// only. The object state stays out of copies and comparisons, as with every kind.
#pragma once

#include "basetypes/ICompany.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/ZxApi.h"
#include "schedule/CResource.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CCompanyLegacy : public CStored<CCompanyLegacy, ICompany> {
public:
    static constexpr const char* s_markerName = "CCompany";

    CCompanyLegacy() = default;
    CCompanyLegacy(const CCompanyLegacy& other)
        : CStored<CCompanyLegacy, ICompany>(), m_resources(other.m_resources) {
        copyFrom(other);
    }
    CCompanyLegacy& operator=(const CCompanyLegacy& other) {
        if (this == &other) return *this;
        copyFrom(other);
        getResources().copyFrom(other.getResources());
        return *this;
    }
    ~CCompanyLegacy() override = default;

    void Serialize(CZentrixArchive& ar) override;
    // A fresh ID for the company and for each of its resources (and what they own).
    void renewIDs() override;

    IResourceConstArrayHandle getResources() const {
        return IResourceConstArrayHandle::over(&m_resources);
    }
    IResourceArrayHandle getResources() { return IResourceArrayHandle::over(&m_resources); }
    // Adds a copy; its position, or -1 when a resource with its ID is already there.
    [[nodiscard]] int addResource(const IResource& resource) { return m_resources.Add(resource); }
    // Takes the handle's object over and appends it. False for a null handle or an ID already
    // there: the object then stays with the caller.
    [[nodiscard]] bool attachResource(const IResourceWritableHandle& resource);
    // Takes the resource out without deleting it: the caller owns it through the handle (null
    // when there is no resource with that ID, and nothing changes).
    [[nodiscard]] IResourceWritableHandle detachResource(const CResourceID& id);
    // Deletes the resource; false when there is none with that ID.
    [[nodiscard]] bool removeResource(const CResourceID& id);

    friend bool operator==(const CCompanyLegacy& a, const CCompanyLegacy& b) {
        return static_cast<const ICompany&>(a) == static_cast<const ICompany&>(b) &&
               a.m_resources == b.m_resources;
    }

private:
    CResourceArray m_resources;
};

using CCompanyLegacyArray = CUniqueObjectPointerArray<ICompany, CCompanyLegacy, CCompanyID>;
using CCompanyLegacyHandle = CBasicHandle<ICompany, CCompanyLegacy>;
using CCompanyLegacyWritableHandle = CWritableBasicHandle<ICompany, CCompanyLegacy>;
using CCompanyLegacyArrayHandle = CBasicArrayHandle<ICompany, CCompanyLegacy, CCompanyID, 0>;
// The legacy class is not the kind's concrete class (CCompany is), so it declares its templates
// without ZX_DECLARE_KIND's ConcreteKind.
ZX_KIND_TEMPLATES(extern, ZX_API, ICompany, CCompanyLegacy, CCompanyID, 0);
