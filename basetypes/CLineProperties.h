// CLineProperties: how the lines of a 3D entity are drawn: their weight and their dash pattern
// (a text the viewer understands, such as "dash" or "dash-dot"). It holds values only. It is its
// own interface: handles on it come from CHandledValue, and ILineProperties names the same class.
//
// Defaults: weight 1 (set), empty pattern (a continuous line). The weight is stored as given.
//
// Archive record (written to disk; must never change): the weight (CProjectDouble), then the
// pattern (CProjectString), in the order of describeFields, no framing of its own.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CLineProperties : public CDescribedValue<CLineProperties>,
                               public CHandledValue<CLineProperties> {
public:
    static constexpr const char* s_kindName = "LineProperties";

    template <class V>
    static void describeFields(V& v) {
        v.field("Weight", &CLineProperties::m_weight, {.min = 0});
        v.field("Pattern", &CLineProperties::m_pattern);
    }

    const CProjectDouble& getWeight() const { return m_weight; }
    void setWeight(double weight) { m_weight = weight; }
    const CProjectString& getPattern() const { return m_pattern; }
    void setPattern(const CString& pattern) { m_pattern = pattern; }

protected:
    CProjectDouble& getWritableWeight() { return m_weight; }
    CProjectString& getWritablePattern() { return m_pattern; }

private:
    CProjectDouble m_weight = 1.0;
    CProjectString m_pattern;
};

using ILineProperties = CLineProperties;
ZX_DECLARE_VALUE_HANDLES(CLineProperties);
