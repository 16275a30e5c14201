#include "schedule/CResourceRate.h"

#include "store/CollectionOps.h"

CResourceRate::~CResourceRate() = default;

ICostArrayHandle CResourceRate::getCosts() const {
    return ICostArrayHandle(new CCostArrayHandle(&m_costs));
}

void CResourceRate::setCosts(const ICostArrayHandle& costs) { replaceWithCopies(m_costs, costs); }

bool CResourceRate::removeCost(const CCostID& id) { return removeByIDKeepingSort(m_costs, id); }

ZX_INSTANTIATE_KIND(IResourceRate, CResourceRate, CResourceRateID, 0);
