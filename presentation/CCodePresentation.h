// CCodePresentation: how one activity code is shown: whether its values' children are shown,
// whether the code is the one that colours the view, its text and background colours, and the
// order its values are listed in. The values of the code presentation map. It holds values only.
// It is its own interface: handles on it come from CHandledValue, and ICodePresentation names the
// same class.
//
// Defaults: children shown, inactive, black on white, no order of its own.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record (the order in the ID set framing), no framing of its own.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "store/IDArrays.h"
#include "store/ValueHandles.h"

class ZX_API CCodePresentation : public CDescribedValue<CCodePresentation>,
                                 public CHandledValue<CCodePresentation> {
public:
    static constexpr const char* s_kindName = "CodePresentation";

    template <class V>
    static void describeFields(V& v) {
        v.field("ShowChildren", &CCodePresentation::m_showChildren);
        v.field("IsActive", &CCodePresentation::m_isActive);
        v.field("ForegroundColor", &CCodePresentation::m_foregroundColor);
        v.field("BackgroundColor", &CCodePresentation::m_backgroundColor);
        v.field("CodeValueOrder", &CCodePresentation::m_codeValueOrder);
    }

    const CProjectBool& getShowChildren() const { return m_showChildren; }
    void setShowChildren(bool value) { m_showChildren = value; }
    const CProjectBool& getIsActive() const { return m_isActive; }
    void setIsActive(bool value) { m_isActive = value; }
    const CProjectColorRGB& getForegroundColor() const { return m_foregroundColor; }
    void setForegroundColor(const CProjectColorRGB& value) { m_foregroundColor = value; }
    const CProjectColorRGB& getBackgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const CProjectColorRGB& value) { m_backgroundColor = value; }
    const CCodeValueIDArray& getCodeValueOrder() const { return m_codeValueOrder; }
    void setCodeValueOrder(const CCodeValueIDArray& value) { m_codeValueOrder = value; }

private:
    CProjectBool m_showChildren = true;
    CProjectBool m_isActive = false;
    CProjectColorRGB m_foregroundColor = CProjectColorRGB(0x000000);
    CProjectColorRGB m_backgroundColor = CProjectColorRGB(0xFFFFFF);
    CCodeValueIDArray m_codeValueOrder;
};

using ICodePresentation = CCodePresentation;
ZX_DECLARE_VALUE_HANDLES(CCodePresentation);
