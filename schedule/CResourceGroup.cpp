// CResourceGroup: the one place its templates are compiled.
#include "schedule/CResourceGroup.h"

ZX_INSTANTIATE_KIND(IResourceGroup, CResourceGroup, CResourceGroupID, 0);
