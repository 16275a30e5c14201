// CRole: the one place its templates are compiled.
#include "access/CRole.h"

ZX_INSTANTIATE_KIND(IRole, CRole, CRoleID, 0);
