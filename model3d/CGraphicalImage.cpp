// CGraphicalImage: the one place its templates are compiled.
#include "model3d/CGraphicalImage.h"

ZX_INSTANTIATE_KIND(IGraphicalImage, CGraphicalImage, CGraphicalImageID, 0);
