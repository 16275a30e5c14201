// CPresentationMapSet: the one place its templates are compiled.
#include "presentation/CPresentationMapSet.h"

ZX_INSTANTIATE_KIND(IPresentationMapSet, CPresentationMapSet, CPresentationMapSetID, 0);
