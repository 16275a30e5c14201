// The value arrays of geometry kept inside stored objects: points, transforms and polylines in
// double precision. Each is CNonUniqueValueArray of its value and adds nothing, so its record is
// the array's (int32 count, then each value's own record).
#pragma once

#include "model3d/CGraphicalPointDouble3D.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/CPolyLineDouble3D.h"
#include "store/CNonUniqueValueArray.h"

using CGraphicalPointDouble3DArray = CNonUniqueValueArray<CGraphicalPointDouble3D>;
using CGraphicalTransformDoubleArray = CNonUniqueValueArray<CGraphicalTransformDouble>;
using CPolyLineDouble3DArray = CNonUniqueValueArray<CPolyLineDouble3D>;
