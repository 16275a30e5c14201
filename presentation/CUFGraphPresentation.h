// CUFGraphPresentation: how the graph of a user field's values over time is drawn: its title,
// legend and labels, which tasks it takes and the period each bar sums. It holds values only. It
// is its own interface: handles on it come from CHandledValue, and IUFGraphPresentation names the
// same class.
//
// Defaults: no title, legend shown at the right, timescale labels only, every task, by day.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record, no framing of its own.
#pragma once

#include <memory>

#include "basetypes/AnimationEnumerations.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/PresentationEnumerations.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CUFGraphPresentation : public CDescribedValue<CUFGraphPresentation>,
                                    public CHandledValue<CUFGraphPresentation> {
public:
    static constexpr const char* s_kindName = "UFGraphPresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("Title", &CUFGraphPresentation::m_title);
        v.field("DisplayLegend", &CUFGraphPresentation::m_displayLegend);
        v.field("LegendPosition", &CUFGraphPresentation::m_legendPosition);
        v.field("DisplayValues", &CUFGraphPresentation::m_displayValues);
        v.field("DisplayTotalValues", &CUFGraphPresentation::m_displayTotalValues);
        v.field("DisplayDataLabels", &CUFGraphPresentation::m_displayDataLabels);
        v.field("DisplayTimescaleLabels", &CUFGraphPresentation::m_displayTimescaleLabels);
        v.field("TaskSelector", &CUFGraphPresentation::m_taskSelector);
        v.field("HistogramPeriod", &CUFGraphPresentation::m_histogramPeriod);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CUFGraphPresentation> clone() const {
        return std::make_unique<CUFGraphPresentation>(*this);
    }

    const CProjectString& getTitle() const { return m_title; }
    void setTitle(const CProjectString& value) { m_title = value; }
    const CProjectBool& getDisplayLegend() const { return m_displayLegend; }
    void setDisplayLegend(const bool& value) { m_displayLegend = value; }
    const CAnnotationPosition& getLegendPosition() const { return m_legendPosition; }
    void setLegendPosition(const CAnnotationPosition& value) { m_legendPosition = value; }
    const CProjectBool& getDisplayValues() const { return m_displayValues; }
    void setDisplayValues(const bool& value) { m_displayValues = value; }
    const CProjectBool& getDisplayTotalValues() const { return m_displayTotalValues; }
    void setDisplayTotalValues(const bool& value) { m_displayTotalValues = value; }
    const CProjectBool& getDisplayDataLabels() const { return m_displayDataLabels; }
    void setDisplayDataLabels(const bool& value) { m_displayDataLabels = value; }
    const CProjectBool& getDisplayTimescaleLabels() const { return m_displayTimescaleLabels; }
    void setDisplayTimescaleLabels(const bool& value) { m_displayTimescaleLabels = value; }
    const CResourceUtilisationTaskSelector& getTaskSelector() const { return m_taskSelector; }
    void setTaskSelector(const CResourceUtilisationTaskSelector& value) { m_taskSelector = value; }
    const CSnapMode& getHistogramPeriod() const { return m_histogramPeriod; }
    void setHistogramPeriod(const CSnapMode& value) { m_histogramPeriod = value; }

private:
    CProjectString m_title;
    CProjectBool m_displayLegend = true;
    CAnnotationPosition m_legendPosition;
    CProjectBool m_displayValues = false;
    CProjectBool m_displayTotalValues = false;
    CProjectBool m_displayDataLabels = false;
    CProjectBool m_displayTimescaleLabels = true;
    CResourceUtilisationTaskSelector m_taskSelector;
    CSnapMode m_histogramPeriod;
};

using IUFGraphPresentation = CUFGraphPresentation;
ZX_DECLARE_VALUE_HANDLES(CUFGraphPresentation);
