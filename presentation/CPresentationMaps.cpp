// The presentation maps: the one place their handle templates are compiled.
#include "presentation/CPresentationMaps.h"

#define ZX_INSTANTIATE_PRESENTATION_MAP_HANDLES(Map) ZX_INSTANTIATE_VALUE_HANDLES(Map);
ZX_PRESENTATION_MAPS(ZX_INSTANTIATE_PRESENTATION_MAP_HANDLES)
#undef ZX_INSTANTIATE_PRESENTATION_MAP_HANDLES
