// CClashTestResult: the one place its templates are compiled.
#include "records/CClashTestResult.h"

ZX_INSTANTIATE_KIND(IClashTestResult, CClashTestResult, CClashTestResultID, 0);
