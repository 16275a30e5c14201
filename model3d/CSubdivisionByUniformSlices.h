// CSubdivisionByUniformSlices: how a 3D entity is cut into parts, either by uniform cuts along
// three (possibly turned) axes, along polylines, or at user-given positions, and which entities
// the cutting produced or involved.
//
// A plain value: copy and move are member-wise; nothing is shared.
//
// Record (written to disk inside its owner's record; must never change): the fields below in
// describeFields order, each with its own record:
//   NumberOfXCuts, NumberOfYCuts, NumberOfZCuts  CProjectInt (set byte, then int32 when set)
//   AxesOrientation                              16 doubles, column-major
//   IsPolylineBased                              CProjectBool (set byte, then bool byte when set)
//   Polylines                                    int32 count, then "CPolyLine3D" records
//   IsUserSlices                                 CProjectBool
//   UserSlices                                   int32 count, then CProjectDouble records
//   3DSet                                        the ID set record of CIDPointerArray
#pragma once

#include <string>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/GeometryArrays.h"
#include "store/CNonUniqueValueArray.h"
#include "store/IDArrays.h"

class ZX_API CSubdivisionByUniformSlices : public CDescribedValue<CSubdivisionByUniformSlices> {
public:
    static constexpr const char* s_kindName = "CSubdivisionByUniformSlices";

    const CProjectInt& getNumberOfXCuts() const { return m_numberOfXCuts; }
    const CProjectInt& getNumberOfYCuts() const { return m_numberOfYCuts; }
    const CProjectInt& getNumberOfZCuts() const { return m_numberOfZCuts; }
    const CGraphicalTransformDouble& getAxesOrientation() const { return m_axesOrientation; }
    const CProjectBool& getIsPolylineBased() const { return m_isPolylineBased; }
    const CPolyLineDouble3DArray& getPolylines() const { return m_polylines; }
    int getNumPolylines() const { return m_polylines.GetSize(); }
    const CProjectBool& getIsUserSlices() const { return m_isUserSlices; }
    const CProjectDoubleArray& getUserSlicesArray() const { return m_userSlices; }
    const CEntity3DIDArray& get3DSet() const { return m_3DSet; }

    void setNumberOfXCuts(int cuts) { m_numberOfXCuts = cuts; }
    void setNumberOfYCuts(int cuts) { m_numberOfYCuts = cuts; }
    void setNumberOfZCuts(int cuts) { m_numberOfZCuts = cuts; }
    void setAxesOrientation(const CGraphicalTransformDouble& axes) { m_axesOrientation = axes; }
    void setIsPolylineBased(bool polylineBased) { m_isPolylineBased = polylineBased; }
    void setPolylines(const CPolyLineDouble3DArray& polylines) { m_polylines = polylines; }
    void setPolylines(CPolyLineDouble3DArray&& polylines) { m_polylines = std::move(polylines); }
    void setIsUserSlices(bool userSlices) { m_isUserSlices = userSlices; }
    void setUserSlicesArray(const CProjectDoubleArray& slices) { m_userSlices = slices; }
    void set3DSet(const CEntity3DIDArray& entities) { m_3DSet = entities; }

    CPolyLineDouble3DArray& getWritablePolylines() { return m_polylines; }
    CProjectDoubleArray& getWritableUserSlicesArray() { return m_userSlices; }
    CEntity3DIDArray& getWritable3DSet() { return m_3DSet; }

    // The fields once, in record order; the record, == and the dump walk this list.
    template <class V>
    static void describeFields(V& v) {
        using S = CSubdivisionByUniformSlices;
        v.field("NumberOfXCuts", &S::m_numberOfXCuts);
        v.field("NumberOfYCuts", &S::m_numberOfYCuts);
        v.field("NumberOfZCuts", &S::m_numberOfZCuts);
        v.field("AxesOrientation", &S::m_axesOrientation);
        v.field("IsPolylineBased", &S::m_isPolylineBased);
        v.field("Polylines", &S::m_polylines);
        v.field("IsUserSlices", &S::m_isUserSlices);
        v.field("UserSlices", &S::m_userSlices);
        v.field("3DSet", &S::m_3DSet);
    }

private:
    CProjectInt m_numberOfXCuts;
    CProjectInt m_numberOfYCuts;
    CProjectInt m_numberOfZCuts;
    CGraphicalTransformDouble m_axesOrientation;
    CProjectBool m_isPolylineBased;
    CPolyLineDouble3DArray m_polylines;
    CProjectBool m_isUserSlices;
    CProjectDoubleArray m_userSlices;
    CEntity3DIDArray m_3DSet;
};
