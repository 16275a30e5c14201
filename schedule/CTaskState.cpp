// CTaskState: the one place its templates are compiled.
#include "schedule/CTaskState.h"

ZX_INSTANTIATE_KIND(ITaskState, CTaskState, CTaskStateID, 0);
