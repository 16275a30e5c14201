// CTaskReport: the one place its templates are compiled.
#include "schedule/CTaskReport.h"

ZX_INSTANTIATE_KIND(ITaskReport, CTaskReport, CTaskReportID, 0);
