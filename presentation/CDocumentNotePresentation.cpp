// CDocumentNotePresentation: the one place its handle templates are compiled.
#include "presentation/CDocumentNotePresentation.h"

ZX_INSTANTIATE_VALUE_HANDLES(CDocumentNotePresentation);
