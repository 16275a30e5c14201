// CXMLProject: the one place its handle templates are compiled.
#include "sources/CXMLProject.h"

ZX_INSTANTIATE_VALUE_HANDLES(CXMLProject);
