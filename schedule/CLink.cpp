// CLink: the one place its templates are compiled.
#include "schedule/CLink.h"

ZX_INSTANTIATE_KIND(ILink, CLink, CLinkID, 0);
