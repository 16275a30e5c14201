// CResourceUtilisationPresentation: the one place its handle templates are compiled.
#include "presentation/CResourceUtilisationPresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CResourceUtilisationPresentation);
