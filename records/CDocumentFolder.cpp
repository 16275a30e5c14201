#include "records/CDocumentFolder.h"

#include "store/CollectionOps.h"

namespace {

// Copies of the handle's objects in a fresh array, so that setting a collection from a handle
// on itself keeps its objects instead of emptying it first.
template <class Array, class Handle>
Array copiedFrom(const Handle& source) {
    Array copy;
    for (int i = 0; i < source.GetSize(); ++i) {
        const auto element = source.getConstReference(i);
        if (!element.isNull()) (void)copy.Add(*element);
    }
    return copy;
}

}  // namespace

CDocumentFolder::CDocumentFolder() { initialize(); }

CDocumentFolder::CDocumentFolder(const CDocumentFolder& other) : CDocumentFolder() {
    copyFrom(other);
}

CDocumentFolder& CDocumentFolder::operator=(const CDocumentFolder& other) {
    copyFrom(other);
    return *this;
}

CDocumentFolder::~CDocumentFolder() = default;

IDocumentFileArrayHandle CDocumentFolder::getFiles() const {
    return IDocumentFileArrayHandle(new CDocumentFileArrayHandle(&m_files));
}

void CDocumentFolder::setFiles(const IDocumentFileArrayHandle& files) {
    m_files = copiedFrom<CDocumentFileArray>(files);
}

bool CDocumentFolder::removeFile(const CDocumentFileID& id) {
    return removeByIDKeepingSort(m_files, id);
}

IDocumentFolderArrayHandle CDocumentFolder::getSubFolders() const {
    if (!m_subFolders) return {};
    return IDocumentFolderArrayHandle(new CDocumentFolderArrayHandle(m_subFolders.get()));
}

void CDocumentFolder::setSubFolders(const IDocumentFolderArrayHandle& folders) {
    m_subFolders =
        std::make_unique<CDocumentFolderArray>(copiedFrom<CDocumentFolderArray>(folders));
    freeSubFoldersIfEmpty();
}

int CDocumentFolder::addSubFolder(const IDocumentFolder& folder) {
    allocateSubFolders();
    const int i = m_subFolders->Add(folder);
    freeSubFoldersIfEmpty();
    return i;
}

bool CDocumentFolder::insertSubFolder(const IDocumentFolder& folder, int index) {
    allocateSubFolders();
    const bool inserted = m_subFolders->InsertAt(index, folder);
    freeSubFoldersIfEmpty();
    return inserted;
}

IDocumentFolderWritableHandle CDocumentFolder::detach(const CDocumentFolderID& id) {
    if (!m_subFolders) return {};
    IDocumentFolderWritableHandle detached = detachToHandle(*m_subFolders, id);
    freeSubFoldersIfEmpty();
    return detached;
}

bool CDocumentFolder::attach(IDocumentFolderWritableHandle folder, int index) {
    if (folder.isNull() || index < 0) return false;
    // Owning itself, directly or through a sub-folder, would make the tree a cycle that no
    // destructor ever ends.
    const auto* incoming = static_cast<const CDocumentFolder*>(folder.get());
    if (incoming == this || incoming->holds(this)) return false;
    allocateSubFolders();
    const bool attached = attachFromHandle(*m_subFolders, folder, index);
    freeSubFoldersIfEmpty();
    return attached;
}

bool CDocumentFolder::removeSubFolder(const CDocumentFolderID& id) {
    if (!m_subFolders) return false;
    const bool removed = removeByIDKeepingSort(*m_subFolders, id);
    freeSubFoldersIfEmpty();
    return removed;
}

void CDocumentFolder::removeAllSubFolders() { m_subFolders.reset(); }

void CDocumentFolder::allocateSubFolders() {
    if (!m_subFolders) m_subFolders = std::make_unique<CDocumentFolderArray>();
}

bool CDocumentFolder::holds(const IDocumentFolder* folder) const {
    if (!m_subFolders) return false;
    for (int i = 0; i < m_subFolders->GetSize(); ++i) {
        const CDocumentFolder& child = m_subFolders->getConstReference(i);
        if (&child == folder || child.holds(folder)) return true;
    }
    return false;
}

void CDocumentFolder::freeSubFoldersIfEmpty() {
    if (m_subFolders && m_subFolders->GetSize() == 0) m_subFolders.reset();
}
