// CEVAGraphPresentation: how the earned-value graph is drawn: its title, the colour of each of
// its curves (budgeted cost of work scheduled and performed, actual cost of work performed, the
// baseline), which of them it shows, its legend, whether values show as percentages, and which
// tasks it takes. It holds values only. It is its own interface: handles on it come from
// CHandledValue, and IEVAGraphPresentation names the same class.
//
// Defaults: no title, BCWS blue, BCWP green, ACWP red, baseline grey, every curve and the legend
// shown, values as amounts, every task.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record, no framing of its own.
#pragma once

#include <memory>

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/PresentationEnumerations.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CEVAGraphPresentation : public CDescribedValue<CEVAGraphPresentation>,
                                     public CHandledValue<CEVAGraphPresentation> {
public:
    static constexpr const char* s_kindName = "EVAGraphPresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("Title", &CEVAGraphPresentation::m_title);
        v.field("BCWSColor", &CEVAGraphPresentation::m_bCWSColor);
        v.field("BCWPColor", &CEVAGraphPresentation::m_bCWPColor);
        v.field("ACWPColor", &CEVAGraphPresentation::m_aCWPColor);
        v.field("BaselineColor", &CEVAGraphPresentation::m_baselineColor);
        v.field("DisplayBCWS", &CEVAGraphPresentation::m_displayBCWS);
        v.field("DisplayBCWP", &CEVAGraphPresentation::m_displayBCWP);
        v.field("DisplayACWP", &CEVAGraphPresentation::m_displayACWP);
        v.field("DisplayBaseline", &CEVAGraphPresentation::m_displayBaseline);
        v.field("DisplayLegend", &CEVAGraphPresentation::m_displayLegend);
        v.field("ShowAsPercent", &CEVAGraphPresentation::m_showAsPercent);
        v.field("TaskSelector", &CEVAGraphPresentation::m_taskSelector);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CEVAGraphPresentation> clone() const {
        return std::make_unique<CEVAGraphPresentation>(*this);
    }

    const CProjectString& getTitle() const { return m_title; }
    void setTitle(const CProjectString& value) { m_title = value; }
    const CProjectColorRGB& getBCWSColor() const { return m_bCWSColor; }
    void setBCWSColor(const CProjectColorRGB& value) { m_bCWSColor = value; }
    const CProjectColorRGB& getBCWPColor() const { return m_bCWPColor; }
    void setBCWPColor(const CProjectColorRGB& value) { m_bCWPColor = value; }
    const CProjectColorRGB& getACWPColor() const { return m_aCWPColor; }
    void setACWPColor(const CProjectColorRGB& value) { m_aCWPColor = value; }
    const CProjectColorRGB& getBaselineColor() const { return m_baselineColor; }
    void setBaselineColor(const CProjectColorRGB& value) { m_baselineColor = value; }
    const CProjectBool& getDisplayBCWS() const { return m_displayBCWS; }
    void setDisplayBCWS(const bool& value) { m_displayBCWS = value; }
    const CProjectBool& getDisplayBCWP() const { return m_displayBCWP; }
    void setDisplayBCWP(const bool& value) { m_displayBCWP = value; }
    const CProjectBool& getDisplayACWP() const { return m_displayACWP; }
    void setDisplayACWP(const bool& value) { m_displayACWP = value; }
    const CProjectBool& getDisplayBaseline() const { return m_displayBaseline; }
    void setDisplayBaseline(const bool& value) { m_displayBaseline = value; }
    const CProjectBool& getDisplayLegend() const { return m_displayLegend; }
    void setDisplayLegend(const bool& value) { m_displayLegend = value; }
    const CProjectBool& getShowAsPercent() const { return m_showAsPercent; }
    void setShowAsPercent(const bool& value) { m_showAsPercent = value; }
    const CResourceUtilisationTaskSelector& getTaskSelector() const { return m_taskSelector; }
    void setTaskSelector(const CResourceUtilisationTaskSelector& value) { m_taskSelector = value; }

private:
    CProjectString m_title;
    CProjectColorRGB m_bCWSColor = CProjectColorRGB::fromRGB(0, 90, 200);
    CProjectColorRGB m_bCWPColor = CProjectColorRGB::fromRGB(20, 160, 60);
    CProjectColorRGB m_aCWPColor = CProjectColorRGB::fromRGB(200, 30, 30);
    CProjectColorRGB m_baselineColor = CProjectColorRGB::fromRGB(128, 128, 128);
    CProjectBool m_displayBCWS = true;
    CProjectBool m_displayBCWP = true;
    CProjectBool m_displayACWP = true;
    CProjectBool m_displayBaseline = true;
    CProjectBool m_displayLegend = true;
    CProjectBool m_showAsPercent = false;
    CResourceUtilisationTaskSelector m_taskSelector;
};

using IEVAGraphPresentation = CEVAGraphPresentation;
ZX_DECLARE_VALUE_HANDLES(CEVAGraphPresentation);
