// CBinImage: the one place its templates are compiled.
#include "records/CBinImage.h"

ZX_INSTANTIATE_KIND(IBinImage, CBinImage, CBinImageID, 0);
