// CUsageTableLayout: what the task and resource usage tables share: the values they distribute
// over time (the parameters, in column order), the span they cover (both times unset: the
// project's own) and the period of each column (by day when new). The two presentations embed it
// first and describe its fields first, through describeLayout.
#pragma once

#include "basetypes/CProjectTime.h"
#include "basetypes/PresentationEnumerations.h"
#include "presentation/CTimeDistributedParameter.h"

class CUsageTableLayout {
public:
    template <class V>
    static void describeLayout(V& v) {
        v.field("Parameters", &CUsageTableLayout::m_parameters);
        v.field("StartTime", &CUsageTableLayout::m_startTime);
        v.field("EndTime", &CUsageTableLayout::m_endTime);
        v.field("Step", &CUsageTableLayout::m_step);
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
