// CMainGrid: the one place its templates are compiled.
#include "records/CMainGrid.h"

ZX_INSTANTIATE_KIND(IMainGrid, CMainGrid, CMainGridID, 0);
