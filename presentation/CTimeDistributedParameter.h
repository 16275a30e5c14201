// CTimeDistributedParameter: one value a usage table distributes over its periods (a column
// group): which value, whether each period shows the running total rather than its own amount,
// and the colour the value is drawn in. It holds values only; the usage presentations keep a
// list of them in column order (CTimeDistributedParameterArray).
//
// Defaults: planned units, per period, black.
//
// Archive record (written to disk; must never change): type (enumeration int32), cumulative
// (CProjectBool), colour (CProjectColorRGB), in the order of describeFields, no framing.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/PresentationEnumerations.h"
#include "basetypes/ZxApi.h"
#include "store/CNonUniquePointerArray.h"

class ZX_API CTimeDistributedParameter : public CDescribedValue<CTimeDistributedParameter> {
public:
    static constexpr const char* s_kindName = "TimeDistributedParameter";

    template <class V>
    static void describeFields(V& v) {
        v.field("Type", &CTimeDistributedParameter::m_type);
        v.field("Cumulative", &CTimeDistributedParameter::m_cumulative);
        v.field("Color", &CTimeDistributedParameter::m_color);
    }

    CTimeDistributedParameter() = default;
    explicit CTimeDistributedParameter(const CTimeDistributedParameterType& type,
                                       bool cumulative = false)
        : m_type(type), m_cumulative(cumulative) {}

    const CTimeDistributedParameterType& getType() const { return m_type; }
    void setType(const CTimeDistributedParameterType& type) { m_type = type; }
    const CProjectBool& getCumulative() const { return m_cumulative; }
    void setCumulative(bool cumulative) { m_cumulative = cumulative; }
    const CProjectColorRGB& getColor() const { return m_color; }
    void setColor(const CProjectColorRGB& color) { m_color = color; }

private:
    CTimeDistributedParameterType m_type;
    CProjectBool m_cumulative = false;
    CProjectColorRGB m_color;
};

using CTimeDistributedParameterArray = CNonUniquePointerArray<CTimeDistributedParameter>;
