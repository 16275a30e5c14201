// CCubeMap: the six images of a sky box's cube, by the IDs of images the sky box holds.
//
// A plain value a sky box holds optionally; handles on it come from CHandledValue. A new cube map
// names no image (six unset IDs).
//
// Archive record (written to disk; must never change): the front, back, left, right, top and
// bottom image IDs, 16 bytes each, from describeFields.
#pragma once

#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ValueHandles.h"

class ZX_API CCubeMap : public CDescribedValue<CCubeMap>, public CHandledValue<CCubeMap> {
public:
    static constexpr const char* s_kindName = "CubeMap";

    template <class V>
    static void describeFields(V& v) {
        v.field("FrontImageID", &CCubeMap::m_front);
        v.field("BackImageID", &CCubeMap::m_back);
        v.field("LeftImageID", &CCubeMap::m_left);
        v.field("RightImageID", &CCubeMap::m_right);
        v.field("TopImageID", &CCubeMap::m_top);
        v.field("BottomImageID", &CCubeMap::m_bottom);
    }

    const CGraphicalImageID& getFrontImageID() const { return m_front; }
    const CGraphicalImageID& getBackImageID() const { return m_back; }
    const CGraphicalImageID& getLeftImageID() const { return m_left; }
    const CGraphicalImageID& getRightImageID() const { return m_right; }
    const CGraphicalImageID& getTopImageID() const { return m_top; }
    const CGraphicalImageID& getBottomImageID() const { return m_bottom; }
    void setFrontImageID(const CGraphicalImageID& id) { m_front = id; }
    void setBackImageID(const CGraphicalImageID& id) { m_back = id; }
    void setLeftImageID(const CGraphicalImageID& id) { m_left = id; }
    void setRightImageID(const CGraphicalImageID& id) { m_right = id; }
    void setTopImageID(const CGraphicalImageID& id) { m_top = id; }
    void setBottomImageID(const CGraphicalImageID& id) { m_bottom = id; }

    // Calls f(id) for each of the six IDs in record order, writable, so that a holder renewing
    // its images' IDs can point the cube map at the new ones.
    template <class F>
    void forEachImageID(F&& f) {
        for (CGraphicalImageID* id : {&m_front, &m_back, &m_left, &m_right, &m_top, &m_bottom})
            f(*id);
    }

private:
    CGraphicalImageID m_front;
    CGraphicalImageID m_back;
    CGraphicalImageID m_left;
    CGraphicalImageID m_right;
    CGraphicalImageID m_top;
    CGraphicalImageID m_bottom;
};

ZX_DECLARE_VALUE_HANDLES(CCubeMap);
