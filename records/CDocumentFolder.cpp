#include "records/CDocumentFolder.h"

#include "store/CollectionOps.h"

CDocumentFolder::CDocumentFolder() { initialize(); }

CDocumentFolder::CDocumentFolder(const CDocumentFolder& other) : CDocumentFolder() {
    copyFrom(other);
}

CDocumentFolder& CDocumentFolder::operator=(const CDocumentFolder& other) {
    copyFrom(other);
    return *this;
}

// Out of line: the sub-folder container holds objects of this very class.
CDocumentFolder::~CDocumentFolder() = default;

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
    for (int i = 0; i < m_subFolders.GetSize(); ++i) {
        const CDocumentFolder& child = m_subFolders.get()->getConstReference(i);
        if (&child == folder || child.holds(folder)) return true;
    }
    return false;
}

ZX_INSTANTIATE_KIND(IDocumentFolder, CDocumentFolder, CDocumentFolderID, 0);
