// CObjectPresentation<Name>: how one object of a kind is shown in the host's views (a task's bar,
// a resource's row, an entity in the model tree): its colour, whether it is shown, and its place
// among its siblings. The values of the keyed presentation maps other than the code and code-value
// maps. One template serves every kind; the kinds' presentation types are its instances, named
// by the string they record.
//
// Defaults: white, shown, no order of its own (unset: the host's default order).
//
// Archive record (written to disk; must never change): the fields in the order of
// describeFields, each in its own record, no framing of its own.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/FixedString.h"

template <zx::FixedString Name>
class CObjectPresentation : public CDescribedValue<CObjectPresentation<Name>> {
public:
    static constexpr const char* s_kindName = Name.text;

    template <class V>
    static void describeFields(V& v) {
        v.field("Color", &CObjectPresentation::m_color);
        v.field("Visible", &CObjectPresentation::m_visible);
        v.field("Order", &CObjectPresentation::m_order);
    }

    const CProjectColorRGB& getColor() const { return m_color; }
    void setColor(const CProjectColorRGB& color) { m_color = color; }
    const CProjectBool& getVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    const CProjectInt& getOrder() const { return m_order; }
    void setOrder(int order) { m_order = order; }

private:
    CProjectColorRGB m_color = CProjectColorRGB::white();
    CProjectBool m_visible = true;
    CProjectInt m_order;
};

using CTaskPresentation = CObjectPresentation<"TaskPresentation">;
using CCalendarPresentation = CObjectPresentation<"CalendarPresentation">;
using CResourcePresentation = CObjectPresentation<"ResourcePresentation">;
using CResourceGroupPresentation = CObjectPresentation<"ResourceGroupPresentation">;
using CResourceStatePresentation = CObjectPresentation<"ResourceStatePresentation">;
using CUserFieldPresentation = CObjectPresentation<"UserFieldPresentation">;
using CUseProfilePresentation = CObjectPresentation<"UseProfilePresentation">;
using CRiskPresentation = CObjectPresentation<"RiskPresentation">;
using CRulePresentation = CObjectPresentation<"RulePresentation">;
using CAnimationPresentation = CObjectPresentation<"AnimationPresentation">;
using CEntity3DPresentation = CObjectPresentation<"Entity3DPresentation">;
using CDocumentFolderPresentation = CObjectPresentation<"DocumentFolderPresentation">;
using CUniFolderPresentation = CObjectPresentation<"UniFolderPresentation">;
