// CUFGraphPresentation: the one place its handle templates are compiled.
#include "presentation/CUFGraphPresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CUFGraphPresentation);
