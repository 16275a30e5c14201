// The one place the roots' templates are compiled.
#include "project/Roots.h"

#define ZX_INSTANTIATE_ROOT(Name, FLAG) ZX_ROOT_TEMPLATES(, , Name, FLAG)
ZX_DOCUMENT_ROOT_KINDS(ZX_INSTANTIATE_ROOT)
