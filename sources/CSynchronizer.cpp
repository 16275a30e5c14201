// CSynchronizer: the one place its templates are compiled.
#include "sources/CSynchronizer.h"

ZX_INSTANTIATE_KIND(ISynchronizer, CSynchronizer, CSynchronizerID, 0);
