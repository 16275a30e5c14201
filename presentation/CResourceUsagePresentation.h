// CResourceUsagePresentation: how the resource usage table is laid out: the values it distributes
// over time (its parameters, in column order), the span it covers and the period of each column.
// It holds values only. It is its own interface: handles on it come from CHandledValue, and
// IResourceUsagePresentation names the same class.
//
// Defaults: no parameter, no span (both times unset: the project's own), by day.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record (the parameters as a CNonUniquePointerArray record), no framing of its
// own.
#pragma once

#include <memory>

#include "basetypes/CProjectTime.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/PresentationEnumerations.h"
#include "basetypes/ZxApi.h"
#include "presentation/CTimeDistributedParameter.h"
#include "store/ValueHandles.h"

class ZX_API CResourceUsagePresentation : public CDescribedValue<CResourceUsagePresentation>,
                                          public CHandledValue<CResourceUsagePresentation> {
public:
    static constexpr const char* s_kindName = "ResourceUsagePresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("Parameters", &CResourceUsagePresentation::m_parameters);
        v.field("StartTime", &CResourceUsagePresentation::m_startTime);
        v.field("EndTime", &CResourceUsagePresentation::m_endTime);
        v.field("Step", &CResourceUsagePresentation::m_step);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CResourceUsagePresentation> clone() const {
        return std::make_unique<CResourceUsagePresentation>(*this);
    }

    const CTimeDistributedParameterArray& getParameters() const { return m_parameters; }
    void setParameters(const CTimeDistributedParameterArray& value) { m_parameters = value; }
    CTimeDistributedParameterArray& getParametersWritableReference() { return m_parameters; }
    const CProjectTime& getStartTime() const { return m_startTime; }
    void setStartTime(const CProjectTime& value) { m_startTime = value; }
    const CProjectTime& getEndTime() const { return m_endTime; }
    void setEndTime(const CProjectTime& value) { m_endTime = value; }
    const CSnapMode& getStep() const { return m_step; }
    void setStep(const CSnapMode& value) { m_step = value; }

private:
    CTimeDistributedParameterArray m_parameters;
    CProjectTime m_startTime;
    CProjectTime m_endTime;
    CSnapMode m_step;
};

using IResourceUsagePresentation = CResourceUsagePresentation;
ZX_DECLARE_VALUE_HANDLES(CResourceUsagePresentation);
