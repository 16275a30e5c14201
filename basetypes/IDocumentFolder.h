// IDocumentFolder: a folder of the project's document store. It owns its documents (a collection
// that always exists) and its sub-folders (a collection that exists only while it has entries).
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IDocumentFile.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IDocumentFolder;
using IDocumentFolderHandle = CWrapperHandle<IDocumentFolder>;
using IDocumentFolderWritableHandle = CWritableWrapperHandle<IDocumentFolder>;
using IDocumentFolderArrayHandle = CWrapperArrayHandle<IDocumentFolder, CDocumentFolderID, 0>;
using IDocumentFolderConstArrayHandle =
    CConstWrapperArrayHandle<IDocumentFolder, CDocumentFolderID, 0>;
ZX_DECLARE_INTERFACE(IDocumentFolder, CDocumentFolderID, 0);

class ZX_API IDocumentFolder : public IDescribed<IDocumentFolder> {
public:
    static constexpr const char* s_kindName = "DocumentFolder";

    struct Fields {
        CDocumentFolderID id;
        CDocumentType type;
        CProjectString title;
        CProjectString description;
        CUserID createdUserID;
        CUserID updatedUserID;
        CProjectTime createdTimestamp;
        CProjectTime updatedTimestamp;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Type", &Fields::type);
        v.field("Title", &Fields::title);
        v.field("Description", &Fields::description);
        v.field("CreatedUserID", &Fields::createdUserID);
        v.field("UpdatedUserID", &Fields::updatedUserID);
        v.field("CreatedTimestamp", &Fields::createdTimestamp);
        v.field("UpdatedTimestamp", &Fields::updatedTimestamp);
        v.collection("Files", &IDocumentFolder::getFiles, &IDocumentFolder::getFiles);
        v.optionalCollection("SubFolders", &IDocumentFolder::getSubFolders,
                             &IDocumentFolder::getSubFolders, &IDocumentFolder::allocateSubFolders,
                             &IDocumentFolder::removeAllSubFolders);
    }

    const CDocumentFolderID& getID() const { return fields().id; }
    void setID(const CDocumentFolderID& id) { fields().id = id; }
    const CDocumentType& getType() const { return fields().type; }
    void setType(const CDocumentType& type) { fields().type = type; }
    const CProjectString& getTitle() const { return fields().title; }
    void setTitle(const CString& title) { fields().title = title; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CUserID& getCreatedUserID() const { return fields().createdUserID; }
    void setCreatedUserID(const CUserID& id) { fields().createdUserID = id; }
    const CUserID& getUpdatedUserID() const { return fields().updatedUserID; }
    void setUpdatedUserID(const CUserID& id) { fields().updatedUserID = id; }
    const CProjectTime& getCreatedTimestamp() const { return fields().createdTimestamp; }
    void setCreatedTimestamp(const CProjectTime& time) { fields().createdTimestamp = time; }
    const CProjectTime& getUpdatedTimestamp() const { return fields().updatedTimestamp; }
    void setUpdatedTimestamp(const CProjectTime& time) { fields().updatedTimestamp = time; }

    virtual IDocumentFileConstArrayHandle getFiles() const = 0;
    virtual IDocumentFileArrayHandle getFiles() = 0;
    // Replaces the documents with copies of the given ones (a repeated ID is kept once).
    virtual void setFiles(const IDocumentFileConstArrayHandle& files) = 0;
    // Position of the stored copy, or -1 when a document with that ID is present.
    [[nodiscard]] virtual int addFile(const IDocumentFile& file) = 0;
    [[nodiscard]] virtual bool insertFile(const IDocumentFile& file, int index) = 0;
    virtual bool removeFile(const CDocumentFileID& id) = 0;
    virtual void removeAllFiles() = 0;

    // An empty handle while the folder has no sub-folders.
    virtual IDocumentFolderConstArrayHandle getSubFolders() const = 0;
    virtual IDocumentFolderArrayHandle getSubFolders() = 0;
    virtual void setSubFolders(const IDocumentFolderConstArrayHandle& folders) = 0;
    [[nodiscard]] virtual int addSubFolder(const IDocumentFolder& folder) = 0;
    [[nodiscard]] virtual bool insertSubFolder(const IDocumentFolder& folder, int index) = 0;
    // Takes the sub-folder out without copying it: the caller owns the folder the handle views
    // until it attaches it somewhere. An empty handle when there is no such sub-folder.
    [[nodiscard]] virtual IDocumentFolderWritableHandle detach(const CDocumentFolderID& id) = 0;
    // Moves the folder the handle views (a detached one) in at 0 <= index <= count. False for an
    // empty handle, an index out of range, an ID already present or a folder that holds this
    // one; the folder then stays the caller's.
    [[nodiscard]] virtual bool attach(IDocumentFolderWritableHandle folder, int index) = 0;
    virtual bool removeSubFolder(const CDocumentFolderID& id) = 0;
    // Frees the sub-folder collection and every folder in it.
    virtual void removeAllSubFolders() = 0;
    // Creates the (empty) sub-folder collection if there is none.
    virtual void allocateSubFolders() = 0;

protected:
    friend IDescribed<IDocumentFolder>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};
