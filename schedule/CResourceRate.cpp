#include "schedule/CResourceRate.h"

#include "store/CollectionOps.h"

CResourceRate::~CResourceRate() = default;

ICostConstArrayHandle CResourceRate::getCosts() const {
    return ICostConstArrayHandle::over(&m_costs);
}

ICostArrayHandle CResourceRate::getCosts() { return ICostArrayHandle::over(&m_costs); }

void CResourceRate::setCosts(const ICostConstArrayHandle& costs) {
    replaceWithCopies(m_costs, costs);
}

bool CResourceRate::removeCost(const CCostID& id) { return removeByIDKeepingSort(m_costs, id); }

ZX_INSTANTIATE_KIND(IResourceRate, CResourceRate, CResourceRateID, 0);
