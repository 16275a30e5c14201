// CWbsLayout: the handles on its levels, and the one place its templates are compiled.
#include "presentation/CWbsLayout.h"

IWbsLevelConstArrayHandle CWbsLayout::getLevels() const {
    return IWbsLevelConstArrayHandle::over(&m_levels);
}

IWbsLevelArrayHandle CWbsLayout::getLevels() { return IWbsLevelArrayHandle::over(&m_levels); }

ZX_INSTANTIATE_KIND(IWbsLayout, CWbsLayout, CWbsLayoutID, 0);
