// CCodeValuePresentation: the one place its handle templates are compiled.
#include "presentation/CCodeValuePresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CCodeValuePresentation);
