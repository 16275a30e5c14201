// CResourceUsagePresentation: how the resource usage table is laid out (CUsageTableLayout: the
// values it distributes over time, the span it covers and the period of each column). It holds
// values only. It is its own interface: handles on it come from CHandledValue, and
// IResourceUsagePresentation names the same class.
//
// Defaults: no parameter, no span (both times unset: the project's own), by day.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record (the parameters as a CNonUniquePointerArray record), no framing of its
// own.
#pragma once

#include <memory>

#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "presentation/CUsageTableLayout.h"
#include "store/ValueHandles.h"

class ZX_API CResourceUsagePresentation : public CDescribedValue<CResourceUsagePresentation>,
                                          public CHandledValue<CResourceUsagePresentation>,
                                          public CUsageTableLayout {
public:
    static constexpr const char* s_kindName = "ResourceUsagePresentation";

    // Declared so that the class, whose fields all sit in its layout, is no aggregate.
    CResourceUsagePresentation() = default;

    template <class V>
    static void describeFields(V& v) {
        describeLayout(v);
    }

    // A new heap copy, owned by the caller.
    std::unique_ptr<CResourceUsagePresentation> clone() const {
        return std::make_unique<CResourceUsagePresentation>(*this);
    }
};

using IResourceUsagePresentation = CResourceUsagePresentation;
ZX_DECLARE_VALUE_HANDLES(CResourceUsagePresentation);
