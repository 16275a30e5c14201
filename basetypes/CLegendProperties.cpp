// CLegendProperties: the one place its handle templates are compiled.
#include "basetypes/CLegendProperties.h"

ZX_INSTANTIATE_VALUE_HANDLES(CLegendProperties);
