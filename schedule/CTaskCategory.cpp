// CTaskCategory: the one place its templates are compiled.
#include "schedule/CTaskCategory.h"

ZX_INSTANTIATE_KIND(ITaskCategory, CTaskCategory, CTaskCategoryID, 0);
