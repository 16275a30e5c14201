// CEntityAppearance: the transparency over a stage, and the one place its handle templates are
// compiled.
#include "basetypes/CEntityAppearance.h"

#include <cmath>

int CEntityAppearance::getTransparency(double fraction) const {
    const int start = getStartTransparency();
    if (!needTransparencyInterpolation()) return start;
    if (!(fraction > 0.0)) return start;  // also NaN
    if (fraction >= 1.0) return getFinishTransparency();
    const double blended = start + (getFinishTransparency() - start) * fraction;
    return static_cast<int>(std::lround(blended));
}

ZX_INSTANTIATE_VALUE_HANDLES(CEntityAppearance);
