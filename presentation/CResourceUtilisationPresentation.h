// CResourceUtilisationPresentation: how the resource utilisation chart is drawn: which tasks and
// resources (by resource type) it takes, whether it draws one chart per resource or all in one,
// which values (planned, actual, remaining, at completion) it shows in which colours, its legend
// and labels, what its histogram and curve count and over what period, and the chart's type and
// subject. It holds values only. It is its own interface: handles on it come from
// CHandledValue, and IResourceUtilisationPresentation names the same class.
//
// Defaults: every task and resource of every type, one chart per resource, planned and actual
// values shown (blue and green; remaining orange, at completion grey), legend at the right,
// timescale labels only, histogram and curve in units per day, not as percentages, non-working
// periods kept, bar chart (1) for resources (1).
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record, no framing of its own.
#pragma once

#include <cstdint>
#include <memory>

#include "basetypes/AnimationEnumerations.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/PresentationEnumerations.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CResourceUtilisationPresentation
    : public CDescribedValue<CResourceUtilisationPresentation>,
      public CHandledValue<CResourceUtilisationPresentation> {
public:
    static constexpr const char* s_kindName = "ResourceUtilisationPresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("TaskSelector", &CResourceUtilisationPresentation::m_taskSelector);
        v.field("ResourceSelector", &CResourceUtilisationPresentation::m_resourceSelector);
        v.field("ShowEquipmentResources",
                &CResourceUtilisationPresentation::m_showEquipmentResources);
        v.field("ShowHumanResources", &CResourceUtilisationPresentation::m_showHumanResources);
        v.field("ShowLocationResources",
                &CResourceUtilisationPresentation::m_showLocationResources);
        v.field("ShowMaterialResources",
                &CResourceUtilisationPresentation::m_showMaterialResources);
        v.field("PresentationMode", &CResourceUtilisationPresentation::m_presentationMode);
        v.field("UsePlannedValue", &CResourceUtilisationPresentation::m_usePlannedValue);
        v.field("UseActualValue", &CResourceUtilisationPresentation::m_useActualValue);
        v.field("UseRemainingValue", &CResourceUtilisationPresentation::m_useRemainingValue);
        v.field("UseValueAtCompletion", &CResourceUtilisationPresentation::m_useValueAtCompletion);
        v.field("ColorForPlannedValue", &CResourceUtilisationPresentation::m_colorForPlannedValue);
        v.field("ColorForActualValue", &CResourceUtilisationPresentation::m_colorForActualValue);
        v.field("ColorForRemainingValue",
                &CResourceUtilisationPresentation::m_colorForRemainingValue);
        v.field("ColorForValueAtCompletion",
                &CResourceUtilisationPresentation::m_colorForValueAtCompletion);
        v.field("ShowLegend", &CResourceUtilisationPresentation::m_showLegend);
        v.field("LegendPosition", &CResourceUtilisationPresentation::m_legendPosition);
        v.field("ShowValues", &CResourceUtilisationPresentation::m_showValues);
        v.field("ShowTotalValues", &CResourceUtilisationPresentation::m_showTotalValues);
        v.field("ShowDataLabels", &CResourceUtilisationPresentation::m_showDataLabels);
        v.field("ShowTimescaleLabels", &CResourceUtilisationPresentation::m_showTimescaleLabels);
        v.field("HistogramValueType", &CResourceUtilisationPresentation::m_histogramValueType);
        v.field("ShowHistogramValueAsPercentOfAssigned",
                &CResourceUtilisationPresentation::m_showHistogramValueAsPercentOfAssigned);
        v.field("HistogramPeriod", &CResourceUtilisationPresentation::m_histogramPeriod);
        v.field("IgnoreNonWorkingPeriodsOnHistogram",
                &CResourceUtilisationPresentation::m_ignoreNonWorkingPeriodsOnHistogram);
        v.field("CurveValueType", &CResourceUtilisationPresentation::m_curveValueType);
        v.field("ShowCurveValueAsPercentOfAssigned",
                &CResourceUtilisationPresentation::m_showCurveValueAsPercentOfAssigned);
        v.field("ChartType", &CResourceUtilisationPresentation::m_chartType);
        v.field("DisplayChartFor", &CResourceUtilisationPresentation::m_displayChartFor);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CResourceUtilisationPresentation> clone() const {
        return std::make_unique<CResourceUtilisationPresentation>(*this);
    }

    const CResourceUtilisationTaskSelector& getTaskSelector() const { return m_taskSelector; }
    void setTaskSelector(const CResourceUtilisationTaskSelector& value) { m_taskSelector = value; }
    const CResourceUtilisationResourceSelector& getResourceSelector() const {
        return m_resourceSelector;
    }
    void setResourceSelector(const CResourceUtilisationResourceSelector& value) {
        m_resourceSelector = value;
    }
    const CProjectBool& getShowEquipmentResources() const { return m_showEquipmentResources; }
    void setShowEquipmentResources(const bool& value) { m_showEquipmentResources = value; }
    const CProjectBool& getShowHumanResources() const { return m_showHumanResources; }
    void setShowHumanResources(const bool& value) { m_showHumanResources = value; }
    const CProjectBool& getShowLocationResources() const { return m_showLocationResources; }
    void setShowLocationResources(const bool& value) { m_showLocationResources = value; }
    const CProjectBool& getShowMaterialResources() const { return m_showMaterialResources; }
    void setShowMaterialResources(const bool& value) { m_showMaterialResources = value; }
    const CResourceUtilisationPresentationMode& getPresentationMode() const {
        return m_presentationMode;
    }
    void setPresentationMode(const CResourceUtilisationPresentationMode& value) {
        m_presentationMode = value;
    }
    const CProjectBool& getUsePlannedValue() const { return m_usePlannedValue; }
    void setUsePlannedValue(const bool& value) { m_usePlannedValue = value; }
    const CProjectBool& getUseActualValue() const { return m_useActualValue; }
    void setUseActualValue(const bool& value) { m_useActualValue = value; }
    const CProjectBool& getUseRemainingValue() const { return m_useRemainingValue; }
    void setUseRemainingValue(const bool& value) { m_useRemainingValue = value; }
    const CProjectBool& getUseValueAtCompletion() const { return m_useValueAtCompletion; }
    void setUseValueAtCompletion(const bool& value) { m_useValueAtCompletion = value; }
    const CProjectColorRGB& getColorForPlannedValue() const { return m_colorForPlannedValue; }
    void setColorForPlannedValue(const unsigned long& packed) {
        m_colorForPlannedValue = CProjectColorRGB(static_cast<std::uint32_t>(packed));
    }
    const CProjectColorRGB& getColorForActualValue() const { return m_colorForActualValue; }
    void setColorForActualValue(const unsigned long& packed) {
        m_colorForActualValue = CProjectColorRGB(static_cast<std::uint32_t>(packed));
    }
    const CProjectColorRGB& getColorForRemainingValue() const { return m_colorForRemainingValue; }
    void setColorForRemainingValue(const unsigned long& packed) {
        m_colorForRemainingValue = CProjectColorRGB(static_cast<std::uint32_t>(packed));
    }
    const CProjectColorRGB& getColorForValueAtCompletion() const {
        return m_colorForValueAtCompletion;
    }
    void setColorForValueAtCompletion(const unsigned long& packed) {
        m_colorForValueAtCompletion = CProjectColorRGB(static_cast<std::uint32_t>(packed));
    }
    const CProjectBool& getShowLegend() const { return m_showLegend; }
    void setShowLegend(const bool& value) { m_showLegend = value; }
    const CAnnotationPosition& getLegendPosition() const { return m_legendPosition; }
    void setLegendPosition(const CAnnotationPosition& value) { m_legendPosition = value; }
    const CProjectBool& getShowValues() const { return m_showValues; }
    void setShowValues(const bool& value) { m_showValues = value; }
    const CProjectBool& getShowTotalValues() const { return m_showTotalValues; }
    void setShowTotalValues(const bool& value) { m_showTotalValues = value; }
    const CProjectBool& getShowDataLabels() const { return m_showDataLabels; }
    void setShowDataLabels(const bool& value) { m_showDataLabels = value; }
    const CProjectBool& getShowTimescaleLabels() const { return m_showTimescaleLabels; }
    void setShowTimescaleLabels(const bool& value) { m_showTimescaleLabels = value; }
    const CResourceUtilisationValueType& getHistogramValueType() const {
        return m_histogramValueType;
    }
    void setHistogramValueType(const CResourceUtilisationValueType& value) {
        m_histogramValueType = value;
    }
    const CProjectBool& getShowHistogramValueAsPercentOfAssigned() const {
        return m_showHistogramValueAsPercentOfAssigned;
    }
    void setShowHistogramValueAsPercentOfAssigned(const bool& value) {
        m_showHistogramValueAsPercentOfAssigned = value;
    }
    const CSnapMode& getHistogramPeriod() const { return m_histogramPeriod; }
    void setHistogramPeriod(const CSnapMode& value) { m_histogramPeriod = value; }
    const CProjectBool& getIgnoreNonWorkingPeriodsOnHistogram() const {
        return m_ignoreNonWorkingPeriodsOnHistogram;
    }
    void setIgnoreNonWorkingPeriodsOnHistogram(const bool& value) {
        m_ignoreNonWorkingPeriodsOnHistogram = value;
    }
    const CResourceUtilisationValueType& getCurveValueType() const { return m_curveValueType; }
    void setCurveValueType(const CResourceUtilisationValueType& value) { m_curveValueType = value; }
    const CProjectBool& getShowCurveValueAsPercentOfAssigned() const {
        return m_showCurveValueAsPercentOfAssigned;
    }
    void setShowCurveValueAsPercentOfAssigned(const bool& value) {
        m_showCurveValueAsPercentOfAssigned = value;
    }
    const CChartType& getChartType() const { return m_chartType; }
    void setChartType(const CChartType& value) { m_chartType = value; }
    const CDisplayChartFor& getDisplayChartFor() const { return m_displayChartFor; }
    void setDisplayChartFor(const CDisplayChartFor& value) { m_displayChartFor = value; }

private:
    CResourceUtilisationTaskSelector m_taskSelector;
    CResourceUtilisationResourceSelector m_resourceSelector;
    CProjectBool m_showEquipmentResources = true;
    CProjectBool m_showHumanResources = true;
    CProjectBool m_showLocationResources = true;
    CProjectBool m_showMaterialResources = true;
    CResourceUtilisationPresentationMode m_presentationMode;
    CProjectBool m_usePlannedValue = true;
    CProjectBool m_useActualValue = true;
    CProjectBool m_useRemainingValue = false;
    CProjectBool m_useValueAtCompletion = false;
    CProjectColorRGB m_colorForPlannedValue = CProjectColorRGB::fromRGB(0, 90, 200);
    CProjectColorRGB m_colorForActualValue = CProjectColorRGB::fromRGB(20, 160, 60);
    CProjectColorRGB m_colorForRemainingValue = CProjectColorRGB::fromRGB(240, 140, 0);
    CProjectColorRGB m_colorForValueAtCompletion = CProjectColorRGB::fromRGB(128, 128, 128);
    CProjectBool m_showLegend = true;
    CAnnotationPosition m_legendPosition;
    CProjectBool m_showValues = false;
    CProjectBool m_showTotalValues = false;
    CProjectBool m_showDataLabels = false;
    CProjectBool m_showTimescaleLabels = true;
    CResourceUtilisationValueType m_histogramValueType;
    CProjectBool m_showHistogramValueAsPercentOfAssigned = false;
    CSnapMode m_histogramPeriod;
    CProjectBool m_ignoreNonWorkingPeriodsOnHistogram = false;
    CResourceUtilisationValueType m_curveValueType;
    CProjectBool m_showCurveValueAsPercentOfAssigned = false;
    CChartType m_chartType = ChartType::Bar;
    CDisplayChartFor m_displayChartFor = DisplayChartFor::Resources;
};

using IResourceUtilisationPresentation = CResourceUtilisationPresentation;
ZX_DECLARE_VALUE_HANDLES(CResourceUtilisationPresentation);
