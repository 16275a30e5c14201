// I3DFilter: a named, stored set of criteria by which the host selects 3D entities (by name, by the
// task filter in force, resources, last resource state, companies, chosen entities, user field
// values and resource code values), and how the selected entities (the filtered side) and the
// others (the unfiltered side) are shown. Sub-filters are held by value; the filter names its user
// and company by ID.
//
// A new 3D filter has no name, user or company, FilterMode MatchAll, polarity Include, every
// sub-filter at its defaults (none in use); the selected entities are shown as they are (visible,
// own colour and transparency) and the others are hidden (own colour and transparency kept for
// when they are shown). Transparencies are stored as given: no range is enforced.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields;
// each display side is the five values of a C3DFilterColorParameters.
#pragma once

#include "basetypes/C3DFilterColorParameters.h"
#include "basetypes/CNameSubFilter.h"
#include "basetypes/CProjectColorRGB.h"
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
using C3DFilterID = CFilterID;

class ZX_API I3DFilter : public IDescribed<I3DFilter> {
public:
    static constexpr const char* s_kindName = "3DFilter";
    // Task, 3D and path filters all take their IDs from CFilterID.
    static constexpr bool s_sharesIDType = true;

    // The display of the other entities in a new filter: hidden.
    static C3DFilterColorParameters hiddenDisplay() {
        C3DFilterColorParameters display;
        display.setVisible(false);
        return display;
    }

    struct Fields {
        CFilterID id;
        CUserID userID;
        CCompanyID companyID;
        CProjectString name;
        CFilterMode filterMode;
        CNameSubFilter nameFilter;
        CTaskFilterSubFilter taskFilterFilter;
        CResourcesSubFilter resourcesFilter;
        CLastResStatusSubFilter lastResStatusFilter;
        CCompanySubFilter companyFilter;
        C3DSubFilter subFilter3D;
        CUserFieldSubFilter userFieldFilter;
        CCodeSubFilter resourceCodeFilter;
        C3DFilterColorParameters filtered;
        C3DFilterColorParameters unFiltered = hiddenDisplay();
        CFilterPolarity polarity;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("UserID", &Fields::userID);
        v.field("CompanyID", &Fields::companyID);
        v.field("Name", &Fields::name);
        v.field("FilterMode", &Fields::filterMode);
        v.field("NameFilter", &Fields::nameFilter);
        v.field("TaskFilterFilter", &Fields::taskFilterFilter);
        v.field("ResourcesFilter", &Fields::resourcesFilter);
        v.field("LastResStatusFilter", &Fields::lastResStatusFilter);
        v.field("CompanyFilter", &Fields::companyFilter);
        v.field("3DFilter", &Fields::subFilter3D);
        v.field("UserFieldFilter", &Fields::userFieldFilter);
        v.field("ResourceCodeFilter", &Fields::resourceCodeFilter);
        v.field("Filtered:", &Fields::filtered);
        v.field("UnFiltered:", &Fields::unFiltered);
        v.field("Polarity", &Fields::polarity);
    }

    const CFilterID& getID() const { return fields().id; }
    CFilterID& getWritableID() { return fields().id; }
    void setID(const CFilterID& value) { fields().id = value; }
    const CUserID& getUserID() const { return fields().userID; }
    CUserID& getWritableUserID() { return fields().userID; }
    void setUserID(const CUserID& value) { fields().userID = value; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    CCompanyID& getWritableCompanyID() { return fields().companyID; }
    void setCompanyID(const CCompanyID& value) { fields().companyID = value; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& value) { fields().name = value; }
    const CFilterMode& getFilterMode() const { return fields().filterMode; }
    CFilterMode& getWritableFilterMode() { return fields().filterMode; }
    void setFilterMode(const CFilterMode& value) { fields().filterMode = value; }
    const CNameSubFilter& getNameFilter() const { return fields().nameFilter; }
    CNameSubFilter& getWritableNameFilter() { return fields().nameFilter; }
    void setNameFilter(const CNameSubFilter& value) { fields().nameFilter = value; }
    const CTaskFilterSubFilter& getTaskFilterFilter() const { return fields().taskFilterFilter; }
    CTaskFilterSubFilter& getWritableTaskFilterFilter() { return fields().taskFilterFilter; }
    void setTaskFilterFilter(const CTaskFilterSubFilter& value) {
        fields().taskFilterFilter = value;
    }
    const CResourcesSubFilter& getResourcesFilter() const { return fields().resourcesFilter; }
    CResourcesSubFilter& getWritableResourcesFilter() { return fields().resourcesFilter; }
    void setResourcesFilter(const CResourcesSubFilter& value) { fields().resourcesFilter = value; }
    const CLastResStatusSubFilter& getLastResStatusFilter() const {
        return fields().lastResStatusFilter;
    }
    CLastResStatusSubFilter& getWritableLastResStatusFilter() {
        return fields().lastResStatusFilter;
    }
    void setLastResStatusFilter(const CLastResStatusSubFilter& value) {
        fields().lastResStatusFilter = value;
    }
    const CCompanySubFilter& getCompanyFilter() const { return fields().companyFilter; }
    CCompanySubFilter& getWritableCompanyFilter() { return fields().companyFilter; }
    void setCompanyFilter(const CCompanySubFilter& value) { fields().companyFilter = value; }
    const C3DSubFilter& get3DFilter() const { return fields().subFilter3D; }
    C3DSubFilter& getWritable3DFilter() { return fields().subFilter3D; }
    void set3DFilter(const C3DSubFilter& value) { fields().subFilter3D = value; }
    const CUserFieldSubFilter& getUserFieldFilter() const { return fields().userFieldFilter; }
    CUserFieldSubFilter& getWritableUserFieldFilter() { return fields().userFieldFilter; }
    void setUserFieldFilter(const CUserFieldSubFilter& value) { fields().userFieldFilter = value; }
    const CCodeSubFilter& getResourceCodeFilter() const { return fields().resourceCodeFilter; }
    CCodeSubFilter& getWritableResourceCodeFilter() { return fields().resourceCodeFilter; }
    void setResourceCodeFilter(const CCodeSubFilter& value) { fields().resourceCodeFilter = value; }
    const CProjectBool& getFilteredVisible() const { return fields().filtered.getVisible(); }
    void setFilteredVisible(bool value) { fields().filtered.setVisible(value); }
    const CProjectBool& getFilteredUseOriginalColor() const {
        return fields().filtered.getUseOriginalColor();
    }
    void setFilteredUseOriginalColor(bool value) { fields().filtered.setUseOriginalColor(value); }
    const CProjectBool& getFilteredUseOriginalTransparency() const {
        return fields().filtered.getUseOriginalTransparency();
    }
    void setFilteredUseOriginalTransparency(bool value) {
        fields().filtered.setUseOriginalTransparency(value);
    }
    const CProjectColorRGB& getFilteredColor() const { return fields().filtered.getColor(); }
    void setFilteredColor(const CProjectColorRGB& value) { fields().filtered.setColor(value); }
    const CProjectInt& getFilteredTransparency() const {
        return fields().filtered.getTransparency();
    }
    void setFilteredTransparency(int value) { fields().filtered.setTransparency(value); }
    // The whole display setting of the selected entities.
    const C3DFilterColorParameters& getFilteredDisplay() const { return fields().filtered; }
    void setFilteredDisplay(const C3DFilterColorParameters& value) { fields().filtered = value; }
    const CProjectBool& getUnFilteredVisible() const { return fields().unFiltered.getVisible(); }
    void setUnFilteredVisible(bool value) { fields().unFiltered.setVisible(value); }
    const CProjectBool& getUnFilteredUseOriginalColor() const {
        return fields().unFiltered.getUseOriginalColor();
    }
    void setUnFilteredUseOriginalColor(bool value) {
        fields().unFiltered.setUseOriginalColor(value);
    }
    const CProjectBool& getUnFilteredUseOriginalTransparency() const {
        return fields().unFiltered.getUseOriginalTransparency();
    }
    void setUnFilteredUseOriginalTransparency(bool value) {
        fields().unFiltered.setUseOriginalTransparency(value);
    }
    const CProjectColorRGB& getUnFilteredColor() const { return fields().unFiltered.getColor(); }
    void setUnFilteredColor(const CProjectColorRGB& value) { fields().unFiltered.setColor(value); }
    const CProjectInt& getUnFilteredTransparency() const {
        return fields().unFiltered.getTransparency();
    }
    void setUnFilteredTransparency(int value) { fields().unFiltered.setTransparency(value); }
    // The whole display setting of the other entities.
    const C3DFilterColorParameters& getUnFilteredDisplay() const { return fields().unFiltered; }
    void setUnFilteredDisplay(const C3DFilterColorParameters& value) {
        fields().unFiltered = value;
    }
    const CFilterPolarity& getPolarity() const { return fields().polarity; }
    CFilterPolarity& getWritablePolarity() { return fields().polarity; }
    void setPolarity(const CFilterPolarity& value) { fields().polarity = value; }

protected:
    friend IDescribed<I3DFilter>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using I3DFilterHandle = CWrapperHandle<I3DFilter>;
using I3DFilterWritableHandle = CWritableWrapperHandle<I3DFilter>;
using I3DFilterArrayHandle = CWrapperArrayHandle<I3DFilter, CFilterID, 0>;
using I3DFilterConstArrayHandle = CConstWrapperArrayHandle<I3DFilter, CFilterID, 0>;
ZX_DECLARE_INTERFACE(I3DFilter, CFilterID, 0);
