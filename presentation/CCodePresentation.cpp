// CCodePresentation: the one place its handle templates are compiled.
#include "presentation/CCodePresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CCodePresentation);
