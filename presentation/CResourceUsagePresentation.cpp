// CResourceUsagePresentation: the one place its handle templates are compiled.
#include "presentation/CResourceUsagePresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CResourceUsagePresentation);
