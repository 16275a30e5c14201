// CUserGrid: the one place its templates are compiled.
#include "records/CUserGrid.h"

ZX_INSTANTIATE_KIND(IUserGrid, CUserGrid, CUserGridID, 0);
