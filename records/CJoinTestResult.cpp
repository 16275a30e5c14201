// CJoinTestResult: the one place its templates are compiled.
#include "records/CJoinTestResult.h"

ZX_INSTANTIATE_KIND(IJoinTestResult, CJoinTestResult, CJoinTestResultID, 0);
