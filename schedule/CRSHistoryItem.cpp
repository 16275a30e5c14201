// CRSHistoryItem: the one place its templates are compiled.
#include "schedule/CRSHistoryItem.h"

ZX_INSTANTIATE_KIND(IRSHistoryItem, CRSHistoryItem, CResourceStateHistoryItemID, 0);
