// CTaskUsagePresentation: the one place its handle templates are compiled.
#include "presentation/CTaskUsagePresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CTaskUsagePresentation);
