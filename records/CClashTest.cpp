// CClashTest: the handles on its results, and the one place its templates are compiled.
#include "records/CClashTest.h"

IClashTestResultConstArrayHandle CClashTest::getResults() const {
    return IClashTestResultConstArrayHandle::over(&m_results);
}

IClashTestResultArrayHandle CClashTest::getResults() {
    return IClashTestResultArrayHandle::over(&m_results);
}

ZX_INSTANTIATE_KIND(IClashTest, CClashTest, CClashTestID, 0);
