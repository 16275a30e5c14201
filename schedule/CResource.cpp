#include "schedule/CResource.h"

#include <typeinfo>
#include <vector>

#include "schedule/CCost.h"
#include "store/CollectionOps.h"
#include "store/FreeTree.h"

CResource::CResource() : m_subResources(std::make_unique<CResourceArray>()) {}

CResource::CResource(const CResource& other)
    : CStored(), m_subResources(std::make_unique<CResourceArray>()) {
    copyFrom(other);
}

CResource& CResource::operator=(const CResource& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CResource::~CResource() {
    zx::freeTree(m_subResources.get(), [](CResource& child) { return child.m_subResources.get(); });
}

IResourceRateConstArrayHandle CResource::getResourceRates() const {
    return IResourceRateConstArrayHandle::over(&m_rates);
}

IResourceRateArrayHandle CResource::getResourceRates() {
    return IResourceRateArrayHandle::over(&m_rates);
}

bool CResource::addResourceRate(const IResourceRate& rate, int index) {
    if (index == -1) return m_rates.Add(rate) >= 0;
    return m_rates.InsertAt(index, rate);
}

bool CResource::removeResourceRate(const CResourceRateID& id) {
    return removeByIDKeepingSort(m_rates, id);
}

void CResource::createDefaultRate() {
    CResourceRate rate;
    rate.generateIDs();
    rate.setEffectiveDate(CProjectDate::GetZeroDate());
    (void)addResourceRate(rate, -1);
}

IResourceConstArrayHandle CResource::getSubResources() const {
    return IResourceConstArrayHandle::over(m_subResources.get());
}

IResourceArrayHandle CResource::getSubResources() {
    return IResourceArrayHandle::over(m_subResources.get());
}

void CResource::allocateSubResources() {
    if (!m_subResources) m_subResources = std::make_unique<CResourceArray>();
}

void CResource::emptySubResources() {
    if (m_subResources)
        m_subResources->RemoveAll();
    else
        allocateSubResources();
}

int CResource::addSubResource(const IResource& resource) {
    allocateSubResources();
    const int position = m_subResources->Add(resource);
    if (m_subResources->GetSize() == 0) removeAllSubResources();
    return position;
}

bool CResource::insertSubResource(const IResource& resource, int index) {
    if (index < 0) return false;
    allocateSubResources();
    return m_subResources->InsertAt(index, resource);
}

bool CResource::removeSubResource(const CResourceID& id) {
    if (!m_subResources || !removeByIDKeepingSort(*m_subResources, id)) return false;
    if (m_subResources->GetSize() == 0) removeAllSubResources();
    return true;
}

bool CResource::wouldOwnItself(const CResource& resource) const {
    std::vector<const CResource*> pending{&resource};
    while (!pending.empty()) {
        const CResource* next = pending.back();
        pending.pop_back();
        if (next == this) return true;
        if (!next->m_subResources) continue;
        for (int i = 0; i < next->m_subResources->GetSize(); ++i)
            pending.push_back(&next->m_subResources->getConstReference(i));
    }
    return false;
}

bool CResource::attachSubResource(IResourceWritableHandle resource) {
    // The collection holds CResources only and makes CResources of its copies, so anything else
    // (another implementation of IResource, or a class derived from this one) stays with its
    // holder.
    IResource* object = resource.get();
    if (!object || typeid(*object) != typeid(CResource)) return false;
    auto* attached = static_cast<CResource*>(object);
    if (wouldOwnItself(*attached)) return false;
    allocateSubResources();
    return m_subResources->Attach(m_subResources->GetSize(), attached);
}

IResourceWritableHandle CResource::detachSubResource(const CResourceID& id) {
    if (!m_subResources) return {};
    return detachToHandle(*m_subResources, id);
}

void CResource::attachSubResources(CResourceArray&& resources) {
    if (resources.GetSize() == 0) return;
    allocateSubResources();
    if (m_subResources->GetSize() == 0)
        *m_subResources = std::move(resources);
    else
        (void)m_subResources->Append(resources);
}

bool CResource::addHistory(const IRSHistory& history, int index) {
    if (index == -1) return m_histories.add(history) >= 0;
    return m_histories.insert(history, index);
}

void CResource::serializeOldHistory(CZentrixArchive& ar, const CResourceStateID& state) {
    CRSHistory history;
    history.Serialize(ar);
    // An empty history stored under no state carries nothing.
    if (history.GetSize() == 0 && (!state.isValid() || state.isNULL())) return;
    history.setGroupID(state);
    // The old record has no key of its own: the state it was stored under is its key, which
    // keeps one history per state.
    history.setID(state);
    allocateHistories();
    (void)m_histories.add(history);
}

void CResource::regenerateIDs() {
    CResourceRateArray rates;
    const auto currentRates = getResourceRates();
    for (int i = 0; i < currentRates.GetSize(); ++i) {
        const IResourceRateHandle rate = currentRates.getConstReference(i);
        if (rate.isNull()) continue;
        CResourceRate copy;
        copy.copyFrom(*rate);
        copy.generateIDs();
        if (copy.numberOfCosts() > 0) {
            CCostArray costs;
            const auto rateCosts = copy.getCosts();
            for (int k = 0; k < rateCosts.GetSize(); ++k) {
                const ICostHandle cost = rateCosts.getConstReference(k);
                if (cost.isNull()) continue;
                CCost costCopy;
                costCopy.copyFrom(*cost);
                costCopy.generateIDs();
                (void)costs.Add(costCopy);
            }
            copy.removeAllCosts();
            copy.setCosts(ICostArrayHandle(new CCostArrayHandle(&costs)));
        }
        (void)rates.Add(copy);
    }
    removeAllResourceRates();
    for (int i = 0; i < rates.GetSize(); ++i) (void)addResourceRate(rates.getConstReference(i), -1);

    CRSHistoryArray histories;
    const auto currentHistories = getHistories();
    for (int i = 0; i < currentHistories.GetSize(); ++i) {
        const IRSHistoryHandle history = currentHistories.getConstReference(i);
        if (history.isNull()) continue;
        auto copy = std::make_unique<CRSHistory>();
        copy->copyFrom(*history);
        for (auto item = copy->begin(); item.hasNext();) item.next()->generateIDs();
        // The copy's item index still holds the old IDs; setHistories below copies the items
        // into fresh lists, which index them anew.
        if (histories.Attach(histories.GetSize(), copy.get())) (void)copy.release();
    }
    removeAllHistories();
    setHistories(IRSHistoryArrayHandle(new CRSHistoryArrayHandle(&histories)));
}

ZX_INSTANTIATE_KIND(IResource, CResource, CResourceID, 1);
