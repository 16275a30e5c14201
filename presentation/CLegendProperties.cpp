// CLegendProperties: the one place its handle templates are compiled.
#include "presentation/CLegendProperties.h"

ZX_INSTANTIATE_VALUE_HANDLES(CLegendProperties);
