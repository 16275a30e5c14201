// IDocumentFile: a document kept with the project, and the transfers of its contents.
//
// The record holds the document's description and the length of its contents, not the contents:
// those live in the file named by the document's ID text in the document folder (see
// CDocumentManager), or, for an external document, in the file its URL names, which is read only
// when the host's external source policy allows it. Contents move in and out through archives in
// blocks of 4096 bytes.
//
// Document data stream (writeDocumentData; written into project files, must never change):
//   uint8   1 when contents follow, 0 when there are none (external, missing or empty file)
//   uint64  little-endian byte count          } only after a 1
//   bytes   the contents, as stored           }
#pragma once

#include <cstdint>

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IDocumentFile : public IDescribed<IDocumentFile> {
public:
    static constexpr const char* s_kindName = "DocumentFile";

    struct Fields {
        CDocumentFileID id;
        CUserID userID;
        CProjectTime time;
        CProjectString fileName;
        CProjectString description;
        CProjectString documentCode;
        CProjectString url;
        CProjectBool externalDocument;
        std::uint64_t documentLength = 0;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("UserID", &Fields::userID);
        v.field("Time", &Fields::time);
        v.field("FileName", &Fields::fileName);
        v.field("Description", &Fields::description);
        v.field("DocumentCode", &Fields::documentCode);
        v.field("URL", &Fields::url);
        v.field("ExternalDocument", &Fields::externalDocument);
        v.field("DocumentLength", &Fields::documentLength);
    }

    const CDocumentFileID& getID() const { return fields().id; }
    void setID(const CDocumentFileID& id) { fields().id = id; }
    const CProjectString& getDocumentCode() const { return fields().documentCode; }
    void setDocumentCode(const CString& code) { fields().documentCode = code; }
    const CProjectTime& getTime() const { return fields().time; }
    void setTime(const CProjectTime& time) { fields().time = time; }
    const CProjectString& getFileName() const { return fields().fileName; }
    void setFileName(const CString& name) { fields().fileName = name; }
    const CProjectString& getURL() const { return fields().url; }
    void setURL(const CString& url) { fields().url = url; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CUserID& getUserID() const { return fields().userID; }
    void setUserID(const CUserID& id) { fields().userID = id; }
    const CProjectBool& getExternalDocument() const { return fields().externalDocument; }
    void setExternalDocument(bool external) { fields().externalDocument = external; }
    bool isExternal() const {
        return fields().externalDocument.isValid() && fields().externalDocument.getValue();
    }
    // The byte count of the stored contents, as recorded when they were last stored.
    std::uint64_t getDocumentLength() const { return fields().documentLength; }

    // Appends the contents to a storing archive: the whole file named by the URL for an
    // external document (false unless the host's policy allows that file), getDocumentLength()
    // bytes of the stored file otherwise. False when there is no such file, it is not a regular
    // file with one name, or it holds fewer bytes; nothing is written then. Throws
    // CArchiveException for a loading archive.
    [[nodiscard]] virtual bool getArchive(CArchive& ar) const = 0;
    // Stores everything the loading archive still holds as this document's contents.
    [[nodiscard]] virtual bool setArchive(CArchive& ar) = 0;
    // Stores the next length bytes of the loading archive as this document's contents, replacing
    // the stored file whole once every byte is on disk. False for an external document, an
    // archive that ends too soon, a symlink at the stored file's name or any failure of the file
    // system; the stored file and the recorded length are then left as they were. It lets no
    // exception through.
    [[nodiscard]] virtual bool setArchive(CArchive& ar, std::uint64_t length) = 0;
    // Always true: documents are compared by their records, not their contents.
    virtual bool compareContents(const IDocumentFile& other) const = 0;
    // Makes this document's stored file a copy of other's contents and records their length,
    // replacing it whole as setArchive does. Nothing is copied when other has this document's ID
    // and the stored file exists (it is the same file; for a CDocumentFile, only when both use
    // the same document folder). False for an external document or when other's contents cannot
    // be read or stored; the stored file and length are then left as they were.
    [[nodiscard]] virtual bool copyContents(const IDocumentFile& other) = 0;
    // Writes the document data stream into a storing archive; false when the stored file cannot
    // be opened or is not a regular file with one name (a 0 byte is written then). Throws
    // CArchiveException for a loading archive.
    virtual bool writeDocumentData(CArchive& ar) const = 0;

protected:
    friend IDescribed<IDocumentFile>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    void setDocumentLength(std::uint64_t length) { fields().documentLength = length; }
};

using IDocumentFileHandle = CWrapperHandle<IDocumentFile>;
using IDocumentFileWritableHandle = CWritableWrapperHandle<IDocumentFile>;
using IDocumentFileArrayHandle = CWrapperArrayHandle<IDocumentFile, CDocumentFileID, 0>;
using IDocumentFileConstArrayHandle = CConstWrapperArrayHandle<IDocumentFile, CDocumentFileID, 0>;
ZX_DECLARE_INTERFACE(IDocumentFile, CDocumentFileID, 0);
