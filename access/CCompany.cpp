// CCompany: the one place its templates are compiled.
#include "access/CCompany.h"

ZX_INSTANTIATE_KIND(ICompany, CCompany, CCompanyID, 0);
