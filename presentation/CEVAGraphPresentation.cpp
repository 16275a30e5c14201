// CEVAGraphPresentation: the one place its handle templates are compiled.
#include "presentation/CEVAGraphPresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CEVAGraphPresentation);
