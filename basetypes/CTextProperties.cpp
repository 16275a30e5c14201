// CTextProperties: the one place its handle templates are compiled.
#include "basetypes/CTextProperties.h"

ZX_INSTANTIATE_VALUE_HANDLES(CTextProperties);
