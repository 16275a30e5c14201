#include "records/CDocumentFolder.h"

#include <vector>

#include "store/CollectionOps.h"
#include "store/FreeTree.h"

CDocumentFolder::CDocumentFolder() = default;

CDocumentFolder::CDocumentFolder(const CDocumentFolder& other) : CDocumentFolder() {
    copyFrom(other);
}

CDocumentFolder& CDocumentFolder::operator=(const CDocumentFolder& other) {
    copyFrom(other);
    return *this;
}

// Without recursion however deep the tree below (see store/FreeTree.h).
CDocumentFolder::~CDocumentFolder() {
    zx::freeTree(m_subFolders.get(),
                 [](CDocumentFolder& child) { return child.m_subFolders.get(); });
}

IDocumentFileConstArrayHandle CDocumentFolder::getFiles() const {
    return IDocumentFileConstArrayHandle::over(&m_files);
}

IDocumentFileArrayHandle CDocumentFolder::getFiles() {
    return IDocumentFileArrayHandle::over(&m_files);
}

void CDocumentFolder::setFiles(const IDocumentFileConstArrayHandle& files) {
    replaceWithCopies(m_files, files);
}

bool CDocumentFolder::removeFile(const CDocumentFileID& id) {
    return removeByIDKeepingSort(m_files, id);
}

bool CDocumentFolder::attach(IDocumentFolderWritableHandle folder, int index) {
    if (folder.isNull()) return false;
    // Owning itself, directly or through a sub-folder, would make the tree a cycle that no
    // destructor ever ends.
    const auto* incoming = static_cast<const CDocumentFolder*>(folder.get());
    if (incoming == this || incoming->holds(this)) return false;
    return m_subFolders.attach(folder, index);
}

bool CDocumentFolder::holds(const IDocumentFolder* folder) const {
    std::vector<const CDocumentFolder*> pending{this};
    while (!pending.empty()) {
        const CDocumentFolder& at = *pending.back();
        pending.pop_back();
        for (int i = 0; i < at.m_subFolders.GetSize(); ++i) {
            const CDocumentFolder& child = at.m_subFolders.get()->getConstReference(i);
            if (&child == folder) return true;
            pending.push_back(&child);
        }
    }
    return false;
}

ZX_INSTANTIATE_KIND(IDocumentFolder, CDocumentFolder, CDocumentFolderID, 0);
