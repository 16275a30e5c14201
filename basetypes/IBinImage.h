// IBinImage: a picture (or any file) kept as its bytes, with the path it came from and its width
// in pixels.
//
// The bytes are a shared, counted buffer (CSharedBytes): copies of an image share it, and the
// last holder deletes it. An image never copies a buffer it is handed: setBytes takes a reference
// to the very buffer, and getBytes hands the held one out. A new image has no path, no bytes and
// width 0; the class gives it a fresh ID.
//
// Archive record: the fields in description order; the bytes as CSharedBytes records them.
#pragma once

#include <cstdint>
#include <string>

#include "basetypes/CProjectString.h"
#include "basetypes/CSharedBytes.h"
#include "basetypes/CString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IBinImage : public IDescribed<IBinImage> {
public:
    static constexpr const char* s_kindName = "BinImage";

    struct Fields {
        CBinImageID id;
        CProjectString path;
        CSharedBytes bytes;
        std::uint32_t width = 0;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Path", &Fields::path);
        v.field("Bytes", &Fields::bytes);
        v.field("Width", &Fields::width);
    }

    const CBinImageID& getID() const { return fields().id; }
    void setID(const CBinImageID& id) { fields().id = id; }
    const CProjectString& getPath() const { return fields().path; }
    void setPath(const std::wstring& path) { fields().path = CString(path); }
    std::uint32_t getWidth() const { return fields().width; }
    void setWidth(std::uint32_t width) { fields().width = width; }

    // Holds `bytes` (`count` of them, made with new[], or held by another image) instead of the
    // buffer held so far. The same pointer again changes the count only; a null pointer leaves
    // the image without bytes.
    void setBytes(std::uint64_t count, unsigned char* bytes) { fields().bytes.adopt(count, bytes); }
    // Lets go of this image's reference; the buffer is deleted when no other image holds it.
    void freeBytes() { fields().bytes.release(); }
    // The held count and buffer (not copied: the image keeps its reference). Either out-parameter
    // may be null.
    void getBytes(std::uint64_t* count, unsigned char** bytes) const {
        if (count) *count = fields().bytes.size();
        if (bytes) *bytes = fields().bytes.data();
    }
    const CSharedBytes& getSharedBytes() const { return fields().bytes; }

protected:
    friend IDescribed<IBinImage>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IBinImageHandle = CWrapperHandle<IBinImage>;
using IBinImageWritableHandle = CWritableWrapperHandle<IBinImage>;
using IBinImageArrayHandle = CWrapperArrayHandle<IBinImage, CBinImageID, 0>;
using IBinImageConstArrayHandle = CConstWrapperArrayHandle<IBinImage, CBinImageID, 0>;
ZX_DECLARE_INTERFACE(IBinImage, CBinImageID, 0);
