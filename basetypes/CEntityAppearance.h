// CEntityAppearance: how the 3D entities of a resource look at one stage of a task's use of them
// (its start, while active, at its end): a colour or the model's own, an opaqueness that may run
// from a start to a finish value over the stage, and how the entities grow. Entity states derive
// their colour and transparency locks from it; use profiles hold three. It is its own interface:
// handles on it come from CHandledValue, and IEntityAppearance names the same class.
//
// Opaqueness and transparency are percentages and complements (transparency = 100 - opaqueness);
// only the opaqueness is stored. The finish opaqueness is unset while the opaqueness stays
// constant over the stage; setOpaqueness and setTransparency make it so. Values are stored as
// given; the integrity check reports opaqueness outside 0 to 100.
//
// Defaults: mid grey, start opaqueness 100 (set), no finish opaqueness, the model's own colour
// and transparency, no animation, growth upwards (0, 0, 1), growth following time (not percent
// complete) and running through non-working time, not inverted.
//
// Archive record (written to disk; must never change): the fields in the order of describeFields,
// each in its own record (colour, CProjectInt, CProjectBool, enumeration int32, three doubles),
// no framing of its own.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/UseProfileEnumerations.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "store/ValueHandles.h"

class ZX_API CEntityAppearance : public CDescribedValue<CEntityAppearance>,
                                 public CHandledValue<CEntityAppearance> {
public:
    static constexpr const char* s_kindName = "EntityAppearance";
    static constexpr int s_fullyOpaque = 100;

    template <class V>
    static void describeFields(V& v) {
        v.field("Color", &CEntityAppearance::m_color);
        v.field("StartOpaqueness", &CEntityAppearance::m_startOpaqueness, {.min = 0, .max = 100});
        v.field("FinishOpaqueness", &CEntityAppearance::m_finishOpaqueness, {.min = 0, .max = 100});
        v.field("UseOriginalColor", &CEntityAppearance::m_useOriginalColor);
        v.field("UseOriginalTransparency", &CEntityAppearance::m_useOriginalTransparency);
        v.field("AnimationType", &CEntityAppearance::m_animationType);
        v.field("GrowDirection", &CEntityAppearance::m_growDirection);
        v.field("GrowthSimulationBasedOnPercentComplete",
                &CEntityAppearance::m_growthSimulationBasedOnPercentComplete);
        v.field("GrowthSimulationPauseDuringNonWorkingTime",
                &CEntityAppearance::m_growthSimulationPauseDuringNonWorkingTime);
        v.field("InvertGrowth", &CEntityAppearance::m_invertGrowth);
    }

    const CProjectColorRGB& getColor() const { return m_color; }
    void setColor(const CProjectColorRGB& color) { m_color = color; }

    const CProjectInt& getStartOpaqueness() const { return m_startOpaqueness; }
    void setStartOpaqueness(int opaqueness) { m_startOpaqueness = opaqueness; }
    const CProjectInt& getFinishOpaqueness() const { return m_finishOpaqueness; }
    void setFinishOpaqueness(int opaqueness) { m_finishOpaqueness = opaqueness; }
    void unsetFinishOpaqueness() { m_finishOpaqueness.unset(); }
    // A constant opaqueness over the whole stage: the start value, no finish value.
    void setOpaqueness(int opaqueness) {
        m_startOpaqueness = opaqueness;
        m_finishOpaqueness.unset();
    }

    // 100 minus the stored opaqueness (an unset opaqueness counts as 0).
    int getStartTransparency() const { return s_fullyOpaque - m_startOpaqueness.getValue(); }
    void setStartTransparency(int transparency) {
        m_startOpaqueness = s_fullyOpaque - transparency;
    }
    int getFinishTransparency() const { return s_fullyOpaque - m_finishOpaqueness.getValue(); }
    void setFinishTransparency(int transparency) {
        m_finishOpaqueness = s_fullyOpaque - transparency;
    }
    // A constant transparency over the whole stage.
    void setTransparency(int transparency) { setOpaqueness(s_fullyOpaque - transparency); }
    // True when the transparency changes over the stage (a finish opaqueness is set).
    bool needTransparencyInterpolation() const { return m_finishOpaqueness.isValid(); }
    // The transparency at `fraction` of the stage (0 its start, 1 its finish; values outside are
    // taken as the nearer end, NaN as the start): the start transparency blended linearly toward
    // the finish one and rounded to the nearest percent, or the start transparency while no
    // finish opaqueness is set.
    int getTransparency(double fraction) const;

    const CProjectBool& getUseOriginalColor() const { return m_useOriginalColor; }
    void setUseOriginalColor(bool use) { m_useOriginalColor = use; }
    const CProjectBool& getUseOriginalTransparency() const { return m_useOriginalTransparency; }
    void setUseOriginalTransparency(bool use) { m_useOriginalTransparency = use; }
    const CUseProfileAnimationType& getAnimationType() const { return m_animationType; }
    void setAnimationType(const CUseProfileAnimationType& type) { m_animationType = type; }
    const CGraphicalVectorDouble3D& getGrowDirection() const { return m_growDirection; }
    void setGrowDirection(const CGraphicalVectorDouble3D& direction) {
        m_growDirection = direction;
    }
    const CProjectBool& getGrowthSimulationBasedOnPercentComplete() const {
        return m_growthSimulationBasedOnPercentComplete;
    }
    void setGrowthSimulationBasedOnPercentComplete(bool based) {
        m_growthSimulationBasedOnPercentComplete = based;
    }
    const CProjectBool& getGrowthSimulationPauseDuringNonWorkingTime() const {
        return m_growthSimulationPauseDuringNonWorkingTime;
    }
    void setGrowthSimulationPauseDuringNonWorkingTime(bool pause) {
        m_growthSimulationPauseDuringNonWorkingTime = pause;
    }
    const CProjectBool& getInvertGrowth() const { return m_invertGrowth; }
    void setInvertGrowth(bool invert) { m_invertGrowth = invert; }

private:
    CProjectColorRGB m_color = CProjectColorRGB(0x808080);
    CProjectInt m_startOpaqueness = s_fullyOpaque;
    CProjectInt m_finishOpaqueness;
    CProjectBool m_useOriginalColor = true;
    CProjectBool m_useOriginalTransparency = true;
    CUseProfileAnimationType m_animationType;
    CGraphicalVectorDouble3D m_growDirection{0.0, 0.0, 1.0};
    CProjectBool m_growthSimulationBasedOnPercentComplete = false;
    CProjectBool m_growthSimulationPauseDuringNonWorkingTime = false;
    CProjectBool m_invertGrowth = false;
};

using IEntityAppearance = CEntityAppearance;
ZX_DECLARE_VALUE_HANDLES(CEntityAppearance);
