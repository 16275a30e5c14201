// CDocumentFolder: a stored document folder, owning its documents and its sub-folders. The
// sub-folder collection is allocated on first insertion (or by allocateSubFolders) and freed as
// soon as a removal or detach empties it.
#pragma once

#include "basetypes/IDocumentFolder.h"
#include "basetypes/ZxApi.h"
#include "records/CDocumentFile.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CDocumentFolder;
using CDocumentFolderArray =
    CUniqueObjectPointerArray<IDocumentFolder, CDocumentFolder, CDocumentFolderID>;
using CDocumentFolderHandle = CBasicHandle<IDocumentFolder, CDocumentFolder>;
using CDocumentFolderWritableHandle = CWritableBasicHandle<IDocumentFolder, CDocumentFolder>;
using CDocumentFolderArrayHandle =
    CBasicArrayHandle<IDocumentFolder, CDocumentFolder, CDocumentFolderID, 0>;

class ZX_API CDocumentFolder : public CStored<CDocumentFolder, IDocumentFolder> {
public:
    CDocumentFolder();
    CDocumentFolder(const CDocumentFolder& other);
    CDocumentFolder& operator=(const CDocumentFolder& other);
    ~CDocumentFolder() override;

    IDocumentFileConstArrayHandle getFiles() const override;
    IDocumentFileArrayHandle getFiles() override;
    void setFiles(const IDocumentFileConstArrayHandle& files) override;
    [[nodiscard]] int addFile(const IDocumentFile& file) override { return m_files.Add(file); }
    [[nodiscard]] bool insertFile(const IDocumentFile& file, int index) override {
        return m_files.InsertAt(index, file);
    }
    [[nodiscard]] bool removeFile(const CDocumentFileID& id) override;
    void removeAllFiles() override { m_files.RemoveAll(); }

    IDocumentFolderConstArrayHandle getSubFolders() const override { return m_subFolders.handle(); }
    IDocumentFolderArrayHandle getSubFolders() override { return m_subFolders.handle(); }
    void setSubFolders(const IDocumentFolderConstArrayHandle& folders) override {
        m_subFolders.set(folders);
    }
    [[nodiscard]] int addSubFolder(const IDocumentFolder& folder) override {
        return m_subFolders.add(folder);
    }
    [[nodiscard]] bool insertSubFolder(const IDocumentFolder& folder, int index) override {
        return m_subFolders.insert(folder, index);
    }
    [[nodiscard]] IDocumentFolderWritableHandle detach(const CDocumentFolderID& id) override {
        return m_subFolders.detach(id);
    }
    [[nodiscard]] bool attach(IDocumentFolderWritableHandle folder, int index) override;
    [[nodiscard]] bool removeSubFolder(const CDocumentFolderID& id) override {
        return m_subFolders.remove(id);
    }
    void removeAllSubFolders() override { m_subFolders.reset(); }
    void allocateSubFolders() override { m_subFolders.ensure(); }

    // Whether folder is one of the sub-folders at any depth below this one.
    bool holds(const IDocumentFolder* folder) const;

private:
    CDocumentFileArray m_files;
    COptionalObjectArray<IDocumentFolder, CDocumentFolder, CDocumentFolderID> m_subFolders;
};

ZX_DECLARE_KIND(IDocumentFolder, CDocumentFolder, CDocumentFolderID, 0);
