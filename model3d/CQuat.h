// CQuat: a rotation as a quaternion (x, y, z, w), w being the scalar part. A new quaternion is the
// identity (0, 0, 0, 1). Values are stored as given: nothing normalises them.
//
// Archive record (written to disk; must never change): x, y, z, w as doubles, in that order (from
// describeFields), no framing.
#pragma once

#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

class ZX_API CQuat : public CDescribedValue<CQuat> {
public:
    static constexpr const char* s_kindName = "Quat";

    CQuat() = default;
    CQuat(double x, double y, double z, double w) : m_x(x), m_y(y), m_z(z), m_w(w) {}

    template <class V>
    static void describeFields(V& v) {
        v.field("X", &CQuat::m_x);
        v.field("Y", &CQuat::m_y);
        v.field("Z", &CQuat::m_z);
        v.field("W", &CQuat::m_w);
    }

    double getX() const { return m_x; }
    double getY() const { return m_y; }
    double getZ() const { return m_z; }
    double getW() const { return m_w; }
    void set(double x, double y, double z, double w) {
        m_x = x;
        m_y = y;
        m_z = z;
        m_w = w;
    }

private:
    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
    double m_w = 1.0;
};
