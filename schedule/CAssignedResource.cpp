// CAssignedResource: the one place its templates are compiled.
#include "schedule/CAssignedResource.h"

ZX_INSTANTIATE_KIND(IAssignedResource, CAssignedResource, CAssignedResourceID, 0);
