// C3DFilterColorParameters: how the 3D entities that a filter leaves out are shown: whether they
// are visible, whether they keep their own colour and transparency, and the colour and
// transparency used where they do not. Positions and event key frames keep one beside the filters
// they switch on.
//
// Defaults: visible, own colour, own transparency, colour black, transparency unset. The
// transparency is stored as given (no range is enforced).
//
// Archive record (written to disk; must never change): visible, use original colour, use
// original transparency (CProjectBool each), colour (CProjectColorRGB), transparency
// (CProjectInt), in that order (from describeFields), no framing.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

class ZX_API C3DFilterColorParameters : public CDescribedValue<C3DFilterColorParameters> {
public:
    static constexpr const char* s_kindName = "3DFilterColorParameters";

    template <class V>
    static void describeFields(V& v) {
        v.field("Visible", &C3DFilterColorParameters::m_visible);
        v.field("UseOriginalColor", &C3DFilterColorParameters::m_useOriginalColor);
        v.field("UseOriginalTransparency", &C3DFilterColorParameters::m_useOriginalTransparency);
        v.field("Color", &C3DFilterColorParameters::m_color);
        v.field("Transparency", &C3DFilterColorParameters::m_transparency);
    }

    const CProjectBool& getVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    const CProjectBool& getUseOriginalColor() const { return m_useOriginalColor; }
    void setUseOriginalColor(bool use) { m_useOriginalColor = use; }
    const CProjectBool& getUseOriginalTransparency() const { return m_useOriginalTransparency; }
    void setUseOriginalTransparency(bool use) { m_useOriginalTransparency = use; }
    const CProjectColorRGB& getColor() const { return m_color; }
    void setColor(const CProjectColorRGB& color) { m_color = color; }
    const CProjectInt& getTransparency() const { return m_transparency; }
    void setTransparency(int transparency) { m_transparency = transparency; }

private:
    CProjectBool m_visible = true;
    CProjectBool m_useOriginalColor = true;
    CProjectBool m_useOriginalTransparency = true;
    CProjectColorRGB m_color;
    CProjectInt m_transparency;
};
