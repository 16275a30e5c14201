// CLineProperties: the one place its handle templates are compiled.
#include "basetypes/CLineProperties.h"

ZX_INSTANTIATE_VALUE_HANDLES(CLineProperties);
