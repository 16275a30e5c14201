// CPathFilter: the one place its templates are compiled.
#include "filters/CPathFilter.h"

ZX_INSTANTIATE_KIND(IPathFilter, CPathFilter, CFilterID, 0);
