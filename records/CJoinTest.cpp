// CJoinTest: adding results at a position, the handles on its results, and the one place its
// templates are compiled.
#include "records/CJoinTest.h"

int CJoinTest::addResult(const IJoinTestResult& result, int index) {
    if (index < 0 || index > m_results.GetSize()) return m_results.Add(result);
    return m_results.InsertAt(index, result) ? index : -1;
}

IJoinTestResultConstArrayHandle CJoinTest::getResults() const {
    return IJoinTestResultConstArrayHandle::over(&m_results);
}

IJoinTestResultArrayHandle CJoinTest::getResults() {
    return IJoinTestResultArrayHandle::over(&m_results);
}

ZX_INSTANTIATE_KIND(IJoinTest, CJoinTest, CJoinTestID, 0);
