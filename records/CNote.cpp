// CNote: the one place its templates are compiled.
#include "records/CNote.h"

ZX_INSTANTIATE_KIND(INote, CNote, CNoteID, 1);
