// C3DFilter: the one place its templates are compiled.
#include "filters/C3DFilter.h"

ZX_INSTANTIATE_KIND(I3DFilter, C3DFilter, CFilterID, 0);
