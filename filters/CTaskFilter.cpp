// CTaskFilter: the one place its templates are compiled.
#include "filters/CTaskFilter.h"

ZX_INSTANTIATE_KIND(ITaskFilter, CTaskFilter, CFilterID, 0);
