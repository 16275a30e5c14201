// CAssignedResourceGroup: the one place its templates are compiled.
#include "schedule/CAssignedResourceGroup.h"

ZX_INSTANTIATE_KIND(IAssignedResourceGroup, CAssignedResourceGroup, CAssignedResourceGroupID, 0);
