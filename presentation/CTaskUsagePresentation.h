// CTaskUsagePresentation: how the task usage table is laid out (CUsageTableLayout: the values it
// distributes over time, the span it covers and the period of each column) and which types of
// resource assignment it sums. It holds values only. It is its own interface:
// handles on it come from CHandledValue, and ITaskUsagePresentation names the same class.
//
// Defaults: no parameter, no span (both times unset: the project's own), by day, every resource
// type and the tasks without resources included.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record (the parameters as a CNonUniquePointerArray record), no framing of its
// own.
#pragma once

#include <memory>

#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "presentation/CUsageTableLayout.h"
#include "store/ValueHandles.h"

class ZX_API CTaskUsagePresentation : public CDescribedValue<CTaskUsagePresentation>,
                                      public CHandledValue<CTaskUsagePresentation>,
                                      public CUsageTableLayout {
public:
    static constexpr const char* s_kindName = "TaskUsagePresentation";

    template <class V>
    static void describeFields(V& v) {
        describeLayout(v);
        v.field("IncludeEquipment", &CTaskUsagePresentation::m_includeEquipment);
        v.field("IncludeHuman", &CTaskUsagePresentation::m_includeHuman);
        v.field("IncludeLocation", &CTaskUsagePresentation::m_includeLocation);
        v.field("IncludeMaterial", &CTaskUsagePresentation::m_includeMaterial);
        v.field("IncludeNoResource", &CTaskUsagePresentation::m_includeNoResource);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CTaskUsagePresentation> clone() const {
        return std::make_unique<CTaskUsagePresentation>(*this);
    }

    const CProjectBool& getIncludeEquipment() const { return m_includeEquipment; }
    void setIncludeEquipment(const bool& value) { m_includeEquipment = value; }
    const CProjectBool& getIncludeHuman() const { return m_includeHuman; }
    void setIncludeHuman(const bool& value) { m_includeHuman = value; }
    const CProjectBool& getIncludeLocation() const { return m_includeLocation; }
    void setIncludeLocation(const bool& value) { m_includeLocation = value; }
    const CProjectBool& getIncludeMaterial() const { return m_includeMaterial; }
    void setIncludeMaterial(const bool& value) { m_includeMaterial = value; }
    const CProjectBool& getIncludeNoResource() const { return m_includeNoResource; }
    void setIncludeNoResource(const bool& value) { m_includeNoResource = value; }

private:
    CProjectBool m_includeEquipment = true;
    CProjectBool m_includeHuman = true;
    CProjectBool m_includeLocation = true;
    CProjectBool m_includeMaterial = true;
    CProjectBool m_includeNoResource = true;
};

using ITaskUsagePresentation = CTaskUsagePresentation;
ZX_DECLARE_VALUE_HANDLES(CTaskUsagePresentation);
