// CCodeValuePresentation: how one code value is shown: whether its children are shown and the
// order they are listed in. The values of the code value presentation map. It holds values only.
// It is its own interface: handles on it come from CHandledValue, and ICodeValuePresentation
// names the same class.
//
// Defaults: children shown, no order of its own.
//
// Archive record (written to disk; must never change): the flag (CProjectBool), then the order
// (ID set framing), no framing of its own.
#pragma once

#include <utility>

#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

class ZX_API CCodeValuePresentation : public CDescribedValue<CCodeValuePresentation>,
                                      public CHandledValue<CCodeValuePresentation> {
public:
    static constexpr const char* s_kindName = "CodeValuePresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("ShowChildren", &CCodeValuePresentation::m_showChildren);
        v.field("ChildOrder", &CCodeValuePresentation::m_childOrder);
    }

    const CProjectBool& getShowChildren() const { return m_showChildren; }
    void setShowChildren(bool value) { m_showChildren = value; }
    const CCodeValueIDArray& getChildOrder() const { return m_childOrder; }
    void setChildOrder(const CCodeValueIDArray& value) { m_childOrder = value; }
    void setChildOrder(CCodeValueIDArray&& value) { m_childOrder = std::move(value); }

private:
    CProjectBool m_showChildren = true;
    CCodeValueIDArray m_childOrder;
};

using ICodeValuePresentation = CCodeValuePresentation;
ZX_DECLARE_VALUE_HANDLES(CCodeValuePresentation);
