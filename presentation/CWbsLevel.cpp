// CWbsLevel: the one place its templates are compiled.
#include "presentation/CWbsLevel.h"

ZX_INSTANTIATE_KIND(IWbsLevel, CWbsLevel, CWbsLevelID, 0);
