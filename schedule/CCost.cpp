// CCost: the one place its templates are compiled.
#include "schedule/CCost.h"

ZX_INSTANTIATE_KIND(ICost, CCost, CCostID, 0);
