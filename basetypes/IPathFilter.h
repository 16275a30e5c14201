// IPathFilter: a named, stored set of criteria by which the host selects animation paths: by name
// and by an explicit list of paths.
//
// A new path filter has no name and no company, FilterMode MatchAll and both sub-filters at
// their defaults, not in use.
//
// Archive record (written to disk; must never change): ID, Name, CompanyID, FilterMode, the name
// sub-filter, the path sub-filter.
#pragma once

#include "basetypes/CNameSubFilter.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/FilterEnumerations.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/SubFilters.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

// Filters of every kind are named by CFilterID; the list of kinds names each kind's by its own
// name.
using CPathFilterID = CFilterID;

class ZX_API IPathFilter : public IDescribed<IPathFilter> {
public:
    static constexpr const char* s_kindName = "PathFilter";
    // Task, 3D and path filters all take their IDs from CFilterID.
    static constexpr bool s_sharesIDType = true;

    struct Fields {
        CFilterID id;
        CProjectString name;
        CCompanyID companyID;
        CFilterMode filterMode;
        CNameSubFilter nameSubFilter;
        CPathSubFilter pathSubFilter;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("CompanyID", &Fields::companyID);
        v.field("FilterMode", &Fields::filterMode);
        v.field("NameSubFilter", &Fields::nameSubFilter);
        v.field("PathSubFilter", &Fields::pathSubFilter);
    }

    const CFilterID& getID() const { return fields().id; }
    CFilterID& getWritableID() { return fields().id; }
    void setID(const CFilterID& value) { fields().id = value; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& value) { fields().name = value; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
    void setCompanyID(const CCompanyID& value) { fields().companyID = value; }
    const CFilterMode& getFilterMode() const { return fields().filterMode; }
    CFilterMode& getWritableFilterMode() { return fields().filterMode; }
    void setFilterMode(const CFilterMode& value) { fields().filterMode = value; }
    const CNameSubFilter& getNameSubFilter() const { return fields().nameSubFilter; }
    CNameSubFilter& getWritableNameSubFilter() { return fields().nameSubFilter; }
    void setNameSubFilter(const CNameSubFilter& value) { fields().nameSubFilter = value; }
    const CPathSubFilter& getPathSubFilter() const { return fields().pathSubFilter; }
    CPathSubFilter& getWritablePathSubFilter() { return fields().pathSubFilter; }
    void setPathSubFilter(const CPathSubFilter& value) { fields().pathSubFilter = value; }

protected:
    friend IDescribed<IPathFilter>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IPathFilterHandle = CWrapperHandle<IPathFilter>;
using IPathFilterWritableHandle = CWritableWrapperHandle<IPathFilter>;
using IPathFilterArrayHandle = CWrapperArrayHandle<IPathFilter, CFilterID, 0>;
using IPathFilterConstArrayHandle = CConstWrapperArrayHandle<IPathFilter, CFilterID, 0>;
ZX_DECLARE_INTERFACE(IPathFilter, CFilterID, 0);
