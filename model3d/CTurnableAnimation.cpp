// CTurnableAnimation: the one place its handle templates are compiled.
#include "model3d/CTurnableAnimation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CTurnableAnimation);
