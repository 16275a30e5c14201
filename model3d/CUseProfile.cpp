// CUseProfile: the operations on its sub-profiles, and the one place its templates are compiled.
#include "model3d/CUseProfile.h"

#include "store/CollectionOps.h"
#include "store/FreeTree.h"

CUseProfile::CUseProfile() : m_subUseProfiles(std::make_unique<CUseProfileArray>()) {}

CUseProfile::CUseProfile(const CUseProfile& other) : CUseProfile() { copyFrom(other); }

CUseProfile& CUseProfile::operator=(const CUseProfile& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CUseProfile::~CUseProfile() {
    zx::freeTree(m_subUseProfiles.get(),
                 [](CUseProfile& child) { return child.m_subUseProfiles.get(); });
}

IUseProfileConstArrayHandle CUseProfile::getSubUseProfiles() const {
    return IUseProfileConstArrayHandle::over(m_subUseProfiles.get());
}

IUseProfileArrayHandle CUseProfile::getSubUseProfiles() {
    return IUseProfileArrayHandle::over(m_subUseProfiles.get());
}

int CUseProfile::addSubUseProfile(const IUseProfile& profile) {
    return m_subUseProfiles->Add(profile);
}

bool CUseProfile::insertSubUseProfile(const IUseProfile& profile, int index) {
    return m_subUseProfiles->InsertAt(index, profile);
}

void CUseProfile::removeAllSubUseProfiles() { m_subUseProfiles->RemoveAll(); }

bool CUseProfile::removeSubUseProfile(int index) {
    if (index < 0 || index > m_subUseProfiles->GetUpperBound()) return false;
    return m_subUseProfiles->RemoveAt(index);
}

bool CUseProfile::removeSubUseProfile(const CUseProfileID& id) {
    if (!m_subUseProfiles->Remove(id)) return false;
    if (m_subUseProfiles->GetSize() == 0) removeAllSubUseProfiles();
    return true;
}

bool CUseProfile::attachSubUseProfile(IUseProfileWritableHandle profile, int index) {
    return attachFromHandle(*m_subUseProfiles, profile, index);
}

IUseProfileWritableHandle CUseProfile::detachSubUseProfile(const CUseProfileID& id) {
    return detachToHandle(*m_subUseProfiles, id);
}

ZX_INSTANTIATE_KIND(IUseProfile, CUseProfile, CUseProfileID, 0);
