// CSaprimaProject: the one place its handle templates are compiled.
#include "sources/CSaprimaProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CSaprimaProject);
