// I3DNotation: a text label placed in the 3D view: it points at a target point of the model, sits
// at a point of the screen and carries its drawing settings (visibility by distance, border,
// background, colours, alignment, font size). Positions name the notations they show by ID.
//
// A new notation is an empty label: always visible but not on top, no distance limits (both
// distances 0 in the project's unit), a thin border, a white background drawn, black border and
// text, left-aligned at 12 points.
//
// Archive record: the fields in description order.
#pragma once

#include "basetypes/C3DEnumerations.h"
#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPoint2D.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "store/ArrayHandles.h"

class ZX_API I3DNotation : public IDescribed<I3DNotation> {
public:
    static constexpr const char* s_kindName = "3DNotation";

    struct Fields {
        C3DNotationID id;
        CProjectString name;
        CProjectString text;
        C3DNotationType type;
        CGraphicalPointDouble3D targetPoint;
        CGraphicalPoint2D screenPoint;
        CProjectBool alwaysOnTop = false;
        CProjectBool alwaysVisible = true;
        CProjectBool minDistanceControl = false;
        CProjectDouble minDistanceValue = 0.0;
        CDistanceUnitWithProjectUnit minDistanceUnit;
        CProjectBool maxDistanceControl = false;
        CProjectDouble maxDistanceValue = 0.0;
        CDistanceUnitWithProjectUnit maxDistanceUnit;
        CProjectBool thickBorderDrawing = false;
        CProjectBool backgroundDrawing = true;
        CProjectColorRGB backgroundColor{0xFFFFFF};
        CProjectColorRGB borderColor{0x000000};
        CProjectColorRGB textColor{0x000000};
        CAlignmentTextMode textAlignment;
        CProjectDouble fontSize = 12.0;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Text", &Fields::text);
        v.field("Type", &Fields::type);
        v.field("TargetPoint", &Fields::targetPoint);
        v.field("ScreenPoint", &Fields::screenPoint);
        v.field("AlwaysOnTop", &Fields::alwaysOnTop);
        v.field("AlwaysVisible", &Fields::alwaysVisible);
        v.field("MinDistanceControl", &Fields::minDistanceControl);
        v.field("MinDistanceValue", &Fields::minDistanceValue, {.min = 0});
        v.field("MinDistanceUnit", &Fields::minDistanceUnit);
        v.field("MaxDistanceControl", &Fields::maxDistanceControl);
        v.field("MaxDistanceValue", &Fields::maxDistanceValue, {.min = 0});
        v.field("MaxDistanceUnit", &Fields::maxDistanceUnit);
        v.field("ThickBorderDrawing", &Fields::thickBorderDrawing);
        v.field("BackgroundDrawing", &Fields::backgroundDrawing);
        v.field("BackgroundColor", &Fields::backgroundColor);
        v.field("BorderColor", &Fields::borderColor);
        v.field("TextColor", &Fields::textColor);
        v.field("TextAlignment", &Fields::textAlignment);
        v.field("FontSize", &Fields::fontSize, {.min = 0});
    }

    const C3DNotationID& getID() const { return fields().id; }
    void setID(const C3DNotationID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getText() const { return fields().text; }
    void setText(const CString& text) { fields().text = text; }
    const C3DNotationType& getType() const { return fields().type; }
    void setType(const C3DNotationType& type) { fields().type = type; }
    const CGraphicalPointDouble3D& getTargetPoint() const { return fields().targetPoint; }
    void setTargetPoint(const CGraphicalPointDouble3D& point) { fields().targetPoint = point; }
    const CGraphicalPoint2D& getScreenPoint() const { return fields().screenPoint; }
    void setScreenPoint(const CGraphicalPoint2D& point) { fields().screenPoint = point; }
    const CProjectBool& getAlwaysOnTop() const { return fields().alwaysOnTop; }
    void setAlwaysOnTop(const bool& on) { fields().alwaysOnTop = on; }
    const CProjectBool& getAlwaysVisible() const { return fields().alwaysVisible; }
    void setAlwaysVisible(const bool& on) { fields().alwaysVisible = on; }
    const CProjectBool& getMinDistanceControl() const { return fields().minDistanceControl; }
    void setMinDistanceControl(const bool& on) { fields().minDistanceControl = on; }
    const CProjectDouble& getMinDistanceValue() const { return fields().minDistanceValue; }
    void setMinDistanceValue(const double& value) { fields().minDistanceValue = value; }
    const CDistanceUnitWithProjectUnit& getMinDistanceUnit() const {
        return fields().minDistanceUnit;
    }
    void setMinDistanceUnit(const CDistanceUnitWithProjectUnit& unit) {
        fields().minDistanceUnit = unit;
    }
    const CProjectBool& getMaxDistanceControl() const { return fields().maxDistanceControl; }
    void setMaxDistanceControl(const bool& on) { fields().maxDistanceControl = on; }
    const CProjectDouble& getMaxDistanceValue() const { return fields().maxDistanceValue; }
    void setMaxDistanceValue(const double& value) { fields().maxDistanceValue = value; }
    const CDistanceUnitWithProjectUnit& getMaxDistanceUnit() const {
        return fields().maxDistanceUnit;
    }
    void setMaxDistanceUnit(const CDistanceUnitWithProjectUnit& unit) {
        fields().maxDistanceUnit = unit;
    }
    const CProjectBool& getThickBorderDrawing() const { return fields().thickBorderDrawing; }
    void setThickBorderDrawing(const bool& on) { fields().thickBorderDrawing = on; }
    const CProjectBool& getBackgroundDrawing() const { return fields().backgroundDrawing; }
    void setBackgroundDrawing(const bool& on) { fields().backgroundDrawing = on; }
    const CProjectColorRGB& getBackgroundColor() const { return fields().backgroundColor; }
    void setBackgroundColor(const CProjectColorRGB& color) { fields().backgroundColor = color; }
    const CProjectColorRGB& getBorderColor() const { return fields().borderColor; }
    void setBorderColor(const CProjectColorRGB& color) { fields().borderColor = color; }
    const CProjectColorRGB& getTextColor() const { return fields().textColor; }
    void setTextColor(const CProjectColorRGB& color) { fields().textColor = color; }
    const CAlignmentTextMode& getTextAlignment() const { return fields().textAlignment; }
    void setTextAlignment(const CAlignmentTextMode& mode) { fields().textAlignment = mode; }
    const CProjectDouble& getFontSize() const { return fields().fontSize; }
    void setFontSize(const double& size) { fields().fontSize = size; }

protected:
    friend IDescribed<I3DNotation>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using I3DNotationHandle = CWrapperHandle<I3DNotation>;
using I3DNotationWritableHandle = CWritableWrapperHandle<I3DNotation>;
using I3DNotationArrayHandle = CWrapperArrayHandle<I3DNotation, C3DNotationID, 0>;
using I3DNotationConstArrayHandle = CConstWrapperArrayHandle<I3DNotation, C3DNotationID, 0>;
ZX_DECLARE_INTERFACE(I3DNotation, C3DNotationID, 0);
