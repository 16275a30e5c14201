// The named ID sets' members: the one place they are compiled.
#include "store/IDArrays.h"

#define ZX_INSTANTIATE_ID_ARRAY(Name, ID) template class CIDPointerArray<ID>;
ZX_ID_ARRAYS(ZX_INSTANTIATE_ID_ARRAY)
#undef ZX_INSTANTIATE_ID_ARRAY
