// IGraphicalImage: an image of the 3D view (a sky box face, a texture): its size, pixel format
// and pixel bytes, with the name and entity it was imported with. It owns its bytes.
//
// A new image is 0 by 0 in the enumeration's first format, with no bytes and every ID unset.
//
// Archive record: the fields in description order; the pixel bytes as a uint32 count and the
// bytes (CByteArray), the count checked against the remaining bytes before anything is
// allocated.
#pragma once

#include <cstdint>

#include "basetypes/C3DEnumerations.h"
#include "basetypes/CByteArray.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IGraphicalImage : public IDescribed<IGraphicalImage> {
public:
    static constexpr const char* s_kindName = "GraphicalImage";

    struct Fields {
        CGraphicalImageID id;
        CProjectString name;
        CProjectInt width = 0;
        CProjectInt height = 0;
        CGraphicalImageFormat format;
        CByteArray data;
        CProjectString nameOnImport;
        CEntity3DID importedEntityID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Width", &Fields::width, {.min = 0});
        v.field("Height", &Fields::height, {.min = 0});
        v.field("Format", &Fields::format);
        v.field("Data", &Fields::data);
        v.field("NameOnImport", &Fields::nameOnImport);
        v.field("ImportedEntityID", &Fields::importedEntityID);
    }

    const CGraphicalImageID& getID() const { return fields().id; }
    void setID(const CGraphicalImageID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectInt& getWidth() const { return fields().width; }
    void setWidth(int width) { fields().width = width; }
    const CProjectInt& getHeight() const { return fields().height; }
    void setHeight(int height) { fields().height = height; }
    const CGraphicalImageFormat& getFormat() const { return fields().format; }
    void setFormat(const CGraphicalImageFormat& format) { fields().format = format; }
    // The pixel bytes.
    const std::uint8_t* getData() const { return fields().data.getData(); }
    int getSize() const { return fields().data.getSize(); }
    // A positive size makes the data that long (new bytes zero) and copies size bytes from bytes
    // unless it is null; zero or a negative size empties it.
    void setData(const std::uint8_t* bytes, int size) { fields().data.setData(bytes, size); }
    const CProjectString& getNameOnImport() const { return fields().nameOnImport; }
    void setNameOnImport(const CString& name) { fields().nameOnImport = name; }
    const CEntity3DID& getImportedEntityID() const { return fields().importedEntityID; }
    void setImportedEntityID(const CEntity3DID& id) { fields().importedEntityID = id; }

protected:
    friend IDescribed<IGraphicalImage>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CEntity3DID& getWritableImportedEntityID() { return fields().importedEntityID; }
};

using IGraphicalImageHandle = CWrapperHandle<IGraphicalImage>;
using IGraphicalImageWritableHandle = CWritableWrapperHandle<IGraphicalImage>;
using IGraphicalImageArrayHandle = CWrapperArrayHandle<IGraphicalImage, CGraphicalImageID, 0>;
using IGraphicalImageConstArrayHandle =
    CConstWrapperArrayHandle<IGraphicalImage, CGraphicalImageID, 0>;
ZX_DECLARE_INTERFACE(IGraphicalImage, CGraphicalImageID, 0);
