// CDocumentFolder: a stored document folder, owning its documents and its sub-folders. The
// sub-folder collection is allocated on first insertion (or by allocateSubFolders) and freed as
// soon as a removal or detach empties it.
#pragma once

#include <memory>

#include "basetypes/IDocumentFolder.h"
#include "records/CDocumentFile.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class CDocumentFolder;
using CDocumentFolderArray =
    CUniqueObjectPointerArray<IDocumentFolder, CDocumentFolder, CDocumentFolderID>;
using CDocumentFolderHandle = CBasicHandle<IDocumentFolder, CDocumentFolder>;
using CDocumentFolderWritableHandle = CWritableBasicHandle<IDocumentFolder, CDocumentFolder>;
using CDocumentFolderArrayHandle =
    CBasicArrayHandle<IDocumentFolder, CDocumentFolder, CDocumentFolderID, 0>;

class CDocumentFolder : public CStored<CDocumentFolder, IDocumentFolder> {
public:
    CDocumentFolder();
    CDocumentFolder(const CDocumentFolder& other);
    CDocumentFolder& operator=(const CDocumentFolder& other);
    ~CDocumentFolder() override;

    IDocumentFileArrayHandle getFiles() const override;
    void setFiles(const IDocumentFileArrayHandle& files) override;
    int addFile(const IDocumentFile& file) override { return m_files.Add(file); }
    bool insertFile(const IDocumentFile& file, int index) override {
        return m_files.InsertAt(index, file);
    }
    bool removeFile(const CDocumentFileID& id) override;
    void removeAllFiles() override { m_files.RemoveAll(); }

    IDocumentFolderArrayHandle getSubFolders() const override;
    void setSubFolders(const IDocumentFolderArrayHandle& folders) override;
    int addSubFolder(const IDocumentFolder& folder) override;
    bool insertSubFolder(const IDocumentFolder& folder, int index) override;
    IDocumentFolderWritableHandle detach(const CDocumentFolderID& id) override;
    bool attach(IDocumentFolderWritableHandle folder, int index) override;
    bool removeSubFolder(const CDocumentFolderID& id) override;
    void removeAllSubFolders() override;
    void allocateSubFolders() override;

    // Whether folder is one of the sub-folders at any depth below this one.
    bool holds(const IDocumentFolder* folder) const;

private:
    void freeSubFoldersIfEmpty();

    CDocumentFileArray m_files;
    std::unique_ptr<CDocumentFolderArray> m_subFolders;
};

template <>
struct ConcreteKind<IDocumentFolder> {
    using type = CDocumentFolder;
};
