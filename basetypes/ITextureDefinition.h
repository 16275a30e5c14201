// ITextureDefinition: a texture of the 3D view, kept as the text that describes it, with the
// object it came from and the name and entity it was imported with.
//
// A new texture definition has empty texts and every ID unset.
//
// Archive record: the fields in description order.
#pragma once

#include "basetypes/CIDBase.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ITextureDefinition : public IDescribed<ITextureDefinition> {
public:
    static constexpr const char* s_kindName = "TextureDefinition";

    struct Fields {
        CTextureDefinitionID id;
        CProjectString name;
        CProjectString definition;
        CIDBase sourceID;
        CProjectString nameOnImport;
        CEntity3DID importedEntityID;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Definition", &Fields::definition);
        v.field("SourceID", &Fields::sourceID);
        v.field("NameOnImport", &Fields::nameOnImport);
        v.field("ImportedEntityID", &Fields::importedEntityID);
    }

    const CTextureDefinitionID& getID() const { return fields().id; }
    void setID(const CTextureDefinitionID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    // The text that describes the texture.
    const CProjectString& getDefinition() const { return fields().definition; }
    void setDefinition(const CString& definition) { fields().definition = definition; }
    // The object (of any kind) the texture came from.
    const CIDBase& getSourceID() const { return fields().sourceID; }
    void setSourceID(const CIDBase& id) { fields().sourceID = id; }
    const CProjectString& getNameOnImport() const { return fields().nameOnImport; }
    void setNameOnImport(const CString& name) { fields().nameOnImport = name; }
    const CEntity3DID& getImportedEntityID() const { return fields().importedEntityID; }
    void setImportedEntityID(const CEntity3DID& id) { fields().importedEntityID = id; }

protected:
    friend IDescribed<ITextureDefinition>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
    CEntity3DID& getWritableImportedEntityID() { return fields().importedEntityID; }
};

using ITextureDefinitionHandle = CWrapperHandle<ITextureDefinition>;
using ITextureDefinitionWritableHandle = CWritableWrapperHandle<ITextureDefinition>;
using ITextureDefinitionArrayHandle =
    CWrapperArrayHandle<ITextureDefinition, CTextureDefinitionID, 0>;
using ITextureDefinitionConstArrayHandle =
    CConstWrapperArrayHandle<ITextureDefinition, CTextureDefinitionID, 0>;
ZX_DECLARE_INTERFACE(ITextureDefinition, CTextureDefinitionID, 0);
