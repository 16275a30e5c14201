// CSupplyChain: the one place its templates are compiled.
#include "schedule/CSupplyChain.h"

ZX_INSTANTIATE_KIND(ISupplyChain, CSupplyChain, CSupplyChainID, 0);
