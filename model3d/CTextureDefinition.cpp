// CTextureDefinition: the one place its templates are compiled.
#include "model3d/CTextureDefinition.h"

ZX_INSTANTIATE_KIND(ITextureDefinition, CTextureDefinition, CTextureDefinitionID, 0);
