// CTurnableAnimation: a turn of the camera about a centre while a camera key frame is in force:
// how many degrees, and in which sense. A camera key frame holds at most one; handles on it come
// from CHandledValue.
//
// Defaults (setToDefaults, also a new value's): centre at the origin, 360 degrees, clockwise.
//
// Archive record (written to disk; must never change): centre (three doubles), degrees
// (CProjectDouble), clockwise (CProjectBool), in that order (from describeFields), no framing.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalPointDouble3D.h"
#include "store/ValueHandles.h"

class ZX_API CTurnableAnimation : public CDescribedValue<CTurnableAnimation>,
                                  public CHandledValue<CTurnableAnimation> {
public:
    static constexpr const char* s_kindName = "TurnableAnimation";

    template <class V>
    static void describeFields(V& v) {
        v.field("Center", &CTurnableAnimation::m_center);
        v.field("Degrees", &CTurnableAnimation::m_degrees);
        v.field("Clockwise", &CTurnableAnimation::m_clockwise);
    }

    void setToDefaults() { *this = CTurnableAnimation(); }

    const CGraphicalPointDouble3D& getCenter() const { return m_center; }
    void setCenter(const CGraphicalPointDouble3D& center) { m_center = center; }
    const CProjectDouble& getDegrees() const { return m_degrees; }
    void setDegrees(double degrees) { m_degrees = degrees; }
    const CProjectBool& getClockwise() const { return m_clockwise; }
    void setClockwise(bool clockwise) { m_clockwise = clockwise; }

private:
    CGraphicalPointDouble3D m_center;
    CProjectDouble m_degrees = 360.0;
    CProjectBool m_clockwise = true;
};

ZX_DECLARE_VALUE_HANDLES(CTurnableAnimation);
