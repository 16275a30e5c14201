// CUserField: the one place its templates are compiled.
#include "schedule/CUserField.h"

ZX_INSTANTIATE_KIND(IUserField, CUserField, CUserFieldID, 0);
