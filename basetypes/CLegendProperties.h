// CLegendProperties: how the legend of the 3D view is drawn (place, titles, fonts, colours, border,
// which appearances and code texts it shows, layout and order) and which appearance profiles,
// resource states, companies, code values and table format rules it lists: all of a kind, or the
// included ones, less the excluded ones. It holds values only; positions and event key frames
// keep one each. It is its own interface: handles on it come from CHandledValue, and
// ILegendProperties names the same class.
//
// Defaults (setToDefault, also a new value's): legend shown at the right, automatic title, no
// title text, title font 12 and content font 10, black text on an opaque white background with a
// black border, start, active and end appearances, code names and code value descriptions shown,
// list view in the order defined, every kind of entry included in full, no ID listed.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record (ID sets in the ID set framing), no framing of its own.
#pragma once

#include <memory>

#include "basetypes/AnimationEnumerations.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

class ZX_API CLegendProperties : public CDescribedValue<CLegendProperties>,
                                 public CHandledValue<CLegendProperties> {
public:
    static constexpr const char* s_kindName = "LegendProperties";

    template <class V>
    static void describeFields(V& v) {
        v.field("ShowLegend", &CLegendProperties::m_showLegend);
        v.field("Location", &CLegendProperties::m_location);
        v.field("Autotitle", &CLegendProperties::m_autotitle);
        v.field("Titles", &CLegendProperties::m_titles);
        v.field("TitleFontSize", &CLegendProperties::m_titleFontSize);
        v.field("ContentFontSize", &CLegendProperties::m_contentFontSize);
        v.field("TextColor", &CLegendProperties::m_textColor);
        v.field("TransparentBackground", &CLegendProperties::m_transparentBackground);
        v.field("BackgroundColor", &CLegendProperties::m_backgroundColor);
        v.field("DrawBorder", &CLegendProperties::m_drawBorder);
        v.field("BorderColor", &CLegendProperties::m_borderColor);
        v.field("ShowStartAppearance", &CLegendProperties::m_showStartAppearance);
        v.field("ShowActiveAppearance", &CLegendProperties::m_showActiveAppearance);
        v.field("ShowEndAppearance", &CLegendProperties::m_showEndAppearance);
        v.field("ShowCodeName", &CLegendProperties::m_showCodeName);
        v.field("ShowCodeValueDescription", &CLegendProperties::m_showCodeValueDescription);
        v.field("ViewMode", &CLegendProperties::m_viewMode);
        v.field("Sorting", &CLegendProperties::m_sorting);
        v.field("IncludeAllAppearanceProfiles", &CLegendProperties::m_includeAllAppearanceProfiles);
        v.field("IncludeAllResourceStatuses", &CLegendProperties::m_includeAllResourceStatuses);
        v.field("IncludeAllCompanies", &CLegendProperties::m_includeAllCompanies);
        v.field("IncludeAllCodeValues", &CLegendProperties::m_includeAllCodeValues);
        v.field("IncludeAllTableFormatRules", &CLegendProperties::m_includeAllTableFormatRules);
        v.field("IncludedAppearanceProfileIDs", &CLegendProperties::m_includedAppearanceProfileIDs);
        v.field("IncludedResourceStatusIDs", &CLegendProperties::m_includedResourceStatusIDs);
        v.field("IncludedCompanyIDs", &CLegendProperties::m_includedCompanyIDs);
        v.field("IncludedCodeValueIDs", &CLegendProperties::m_includedCodeValueIDs);
        v.field("IncludedTableFormatRuleIDs", &CLegendProperties::m_includedTableFormatRuleIDs);
        v.field("ExcludedAppearanceProfileIDs", &CLegendProperties::m_excludedAppearanceProfileIDs);
        v.field("ExcludedResourceStatusIDs", &CLegendProperties::m_excludedResourceStatusIDs);
        v.field("ExcludedCompanyIDs", &CLegendProperties::m_excludedCompanyIDs);
        v.field("ExcludedCodeValueIDs", &CLegendProperties::m_excludedCodeValueIDs);
        v.field("ExcludedTableFormatRuleIDs", &CLegendProperties::m_excludedTableFormatRuleIDs);
    }

    void setToDefault() { *this = CLegendProperties(); }
    // A new heap copy, owned by the caller.
    std::unique_ptr<CLegendProperties> clone() const {
        return std::make_unique<CLegendProperties>(*this);
    }

    bool getShowLegend() const { return m_showLegend.getValue(); }
    void setShowLegend(const bool& value) { m_showLegend = value; }
    const CAnnotationPosition& getLocation() const { return m_location; }
    void setLocation(const CAnnotationPosition& value) { m_location = value; }
    bool getAutotitle() const { return m_autotitle.getValue(); }
    void setAutotitle(const bool& value) { m_autotitle = value; }
    const CProjectString& getTitles() const { return m_titles; }
    void setTitles(const CString& text) { m_titles = text; }
    double getTitleFontSize() const { return m_titleFontSize.getValue(); }
    void setTitleFontSize(const double& value) { m_titleFontSize = value; }
    double getContentFontSize() const { return m_contentFontSize.getValue(); }
    void setContentFontSize(const double& value) { m_contentFontSize = value; }
    const CProjectColorRGB& getTextColor() const { return m_textColor; }
    void setTextColor(const CProjectColorRGB& value) { m_textColor = value; }
    bool getTransparentBackground() const { return m_transparentBackground.getValue(); }
    void setTransparentBackground(const bool& value) { m_transparentBackground = value; }
    const CProjectColorRGB& getBackgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const CProjectColorRGB& value) { m_backgroundColor = value; }
    bool getDrawBorder() const { return m_drawBorder.getValue(); }
    void setDrawBorder(const bool& value) { m_drawBorder = value; }
    const CProjectColorRGB& getBorderColor() const { return m_borderColor; }
    void setBorderColor(const CProjectColorRGB& value) { m_borderColor = value; }
    bool getShowStartAppearance() const { return m_showStartAppearance.getValue(); }
    void setShowStartAppearance(const bool& value) { m_showStartAppearance = value; }
    bool getShowActiveAppearance() const { return m_showActiveAppearance.getValue(); }
    void setShowActiveAppearance(const bool& value) { m_showActiveAppearance = value; }
    bool getShowEndAppearance() const { return m_showEndAppearance.getValue(); }
    void setShowEndAppearance(const bool& value) { m_showEndAppearance = value; }
    bool getShowCodeName() const { return m_showCodeName.getValue(); }
    void setShowCodeName(const bool& value) { m_showCodeName = value; }
    bool getShowCodeValueDescription() const { return m_showCodeValueDescription.getValue(); }
    void setShowCodeValueDescription(const bool& value) { m_showCodeValueDescription = value; }
    const CLegendViewMode& getViewMode() const { return m_viewMode; }
    void setViewMode(const CLegendViewMode& value) { m_viewMode = value; }
    const CLegendSortingMode& getSorting() const { return m_sorting; }
    void setSorting(const CLegendSortingMode& value) { m_sorting = value; }
    bool getIncludeAllAppearanceProfiles() const {
        return m_includeAllAppearanceProfiles.getValue();
    }
    void setIncludeAllAppearanceProfiles(const bool& value) {
        m_includeAllAppearanceProfiles = value;
    }
    bool getIncludeAllResourceStatuses() const { return m_includeAllResourceStatuses.getValue(); }
    void setIncludeAllResourceStatuses(const bool& value) { m_includeAllResourceStatuses = value; }
    bool getIncludeAllCompanies() const { return m_includeAllCompanies.getValue(); }
    void setIncludeAllCompanies(const bool& value) { m_includeAllCompanies = value; }
    bool getIncludeAllCodeValues() const { return m_includeAllCodeValues.getValue(); }
    void setIncludeAllCodeValues(const bool& value) { m_includeAllCodeValues = value; }
    bool getIncludeAllTableFormatRules() const { return m_includeAllTableFormatRules.getValue(); }
    void setIncludeAllTableFormatRules(const bool& value) { m_includeAllTableFormatRules = value; }
    const CUseProfileIDArray& getIncludedAppearanceProfileIDs() const {
        return m_includedAppearanceProfileIDs;
    }
    void setIncludedAppearanceProfileIDs(const CUseProfileIDArray& ids) {
        m_includedAppearanceProfileIDs = ids;
    }
    CUseProfileIDArray& getIncludedAppearanceProfileIDsWritableReference() {
        return m_includedAppearanceProfileIDs;
    }
    const CResourceStateIDArray& getIncludedResourceStatusIDs() const {
        return m_includedResourceStatusIDs;
    }
    void setIncludedResourceStatusIDs(const CResourceStateIDArray& ids) {
        m_includedResourceStatusIDs = ids;
    }
    CResourceStateIDArray& getIncludedResourceStatusIDsWritableReference() {
        return m_includedResourceStatusIDs;
    }
    const CCompanyIDArray& getIncludedCompanyIDs() const { return m_includedCompanyIDs; }
    void setIncludedCompanyIDs(const CCompanyIDArray& ids) { m_includedCompanyIDs = ids; }
    CCompanyIDArray& getIncludedCompanyIDsWritableReference() { return m_includedCompanyIDs; }
    const CCodeValueIDArray& getIncludedCodeValueIDs() const { return m_includedCodeValueIDs; }
    void setIncludedCodeValueIDs(const CCodeValueIDArray& ids) { m_includedCodeValueIDs = ids; }
    CCodeValueIDArray& getIncludedCodeValueIDsWritableReference() { return m_includedCodeValueIDs; }
    const CTableFormatRuleIDArray& getIncludedTableFormatRuleIDs() const {
        return m_includedTableFormatRuleIDs;
    }
    void setIncludedTableFormatRuleIDs(const CTableFormatRuleIDArray& ids) {
        m_includedTableFormatRuleIDs = ids;
    }
    CTableFormatRuleIDArray& getIncludedTableFormatRuleIDsWritableReference() {
        return m_includedTableFormatRuleIDs;
    }
    const CUseProfileIDArray& getExcludedAppearanceProfileIDs() const {
        return m_excludedAppearanceProfileIDs;
    }
    void setExcludedAppearanceProfileIDs(const CUseProfileIDArray& ids) {
        m_excludedAppearanceProfileIDs = ids;
    }
    CUseProfileIDArray& getExcludedAppearanceProfileIDsWritableReference() {
        return m_excludedAppearanceProfileIDs;
    }
    const CResourceStateIDArray& getExcludedResourceStatusIDs() const {
        return m_excludedResourceStatusIDs;
    }
    void setExcludedResourceStatusIDs(const CResourceStateIDArray& ids) {
        m_excludedResourceStatusIDs = ids;
    }
    CResourceStateIDArray& getExcludedResourceStatusIDsWritableReference() {
        return m_excludedResourceStatusIDs;
    }
    const CCompanyIDArray& getExcludedCompanyIDs() const { return m_excludedCompanyIDs; }
    void setExcludedCompanyIDs(const CCompanyIDArray& ids) { m_excludedCompanyIDs = ids; }
    CCompanyIDArray& getExcludedCompanyIDsWritableReference() { return m_excludedCompanyIDs; }
    const CCodeValueIDArray& getExcludedCodeValueIDs() const { return m_excludedCodeValueIDs; }
    void setExcludedCodeValueIDs(const CCodeValueIDArray& ids) { m_excludedCodeValueIDs = ids; }
    CCodeValueIDArray& getExcludedCodeValueIDsWritableReference() { return m_excludedCodeValueIDs; }
    const CTableFormatRuleIDArray& getExcludedTableFormatRuleIDs() const {
        return m_excludedTableFormatRuleIDs;
    }
    void setExcludedTableFormatRuleIDs(const CTableFormatRuleIDArray& ids) {
        m_excludedTableFormatRuleIDs = ids;
    }
    CTableFormatRuleIDArray& getExcludedTableFormatRuleIDsWritableReference() {
        return m_excludedTableFormatRuleIDs;
    }

private:
    CProjectBool m_showLegend = true;
    CAnnotationPosition m_location;
    CProjectBool m_autotitle = true;
    CProjectString m_titles;
    CProjectDouble m_titleFontSize = 12.0;
    CProjectDouble m_contentFontSize = 10.0;
    CProjectColorRGB m_textColor;
    CProjectBool m_transparentBackground = false;
    CProjectColorRGB m_backgroundColor = CProjectColorRGB::white();
    CProjectBool m_drawBorder = true;
    CProjectColorRGB m_borderColor;
    CProjectBool m_showStartAppearance = true;
    CProjectBool m_showActiveAppearance = true;
    CProjectBool m_showEndAppearance = true;
    CProjectBool m_showCodeName = true;
    CProjectBool m_showCodeValueDescription = true;
    CLegendViewMode m_viewMode;
    CLegendSortingMode m_sorting;
    CProjectBool m_includeAllAppearanceProfiles = true;
    CProjectBool m_includeAllResourceStatuses = true;
    CProjectBool m_includeAllCompanies = true;
    CProjectBool m_includeAllCodeValues = true;
    CProjectBool m_includeAllTableFormatRules = true;
    CUseProfileIDArray m_includedAppearanceProfileIDs;
    CResourceStateIDArray m_includedResourceStatusIDs;
    CCompanyIDArray m_includedCompanyIDs;
    CCodeValueIDArray m_includedCodeValueIDs;
    CTableFormatRuleIDArray m_includedTableFormatRuleIDs;
    CUseProfileIDArray m_excludedAppearanceProfileIDs;
    CResourceStateIDArray m_excludedResourceStatusIDs;
    CCompanyIDArray m_excludedCompanyIDs;
    CCodeValueIDArray m_excludedCodeValueIDs;
    CTableFormatRuleIDArray m_excludedTableFormatRuleIDs;
};

using ILegendProperties = CLegendProperties;
ZX_DECLARE_VALUE_HANDLES(CLegendProperties);
