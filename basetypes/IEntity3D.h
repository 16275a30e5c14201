// IEntity3D: one object of the 3D model: a named, identified node that may carry geometry, a
// placement, a display and a rendering material, child entities and subdivision parts, notes,
// user field values and document links.
//
// Projects hold very many entities, so every optional part is held through an owned pointer
// (CHeapValue, COptionalObjectArray) that stays null until the part is first set and is freed
// again when it is cleared or becomes empty; transforms equal to the identity are not stored.
// An entity owns its sub-entities and subdivision parts (entities themselves, to any depth) and
// its notes; sub-entities move between parents without copying (attachSubEntity,
// detachSubEntity).
//
// Defaults of a new entity (initialize): ID unset, empty name, not exposed, no document links,
// every optional part absent.
//
// Record (field by field, in the order of describeFields): an optional value is a presence byte
// and its record, an optional collection a presence byte and the collection.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

#include "basetypes/CCompactValue.h"
#include "basetypes/CGraphicalMaterial.h"
#include "basetypes/CHeapValue.h"
#include "basetypes/CLineProperties.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CTextProperties.h"
#include "basetypes/CUserFieldValue.h"
#include "basetypes/IDescribed.h"
#include "basetypes/INote.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "model3d/CGeometryArray.h"
#include "model3d/CGraphicalTransformDouble.h"
#include "model3d/CIRayMaterialDefinition.h"
#include "model3d/CSubdivisionByUniformSlices.h"
#include "store/ArrayHandles.h"
#include "store/IDArrays.h"

class ZX_API IEntity3D;
using IEntity3DHandle = CWrapperHandle<IEntity3D>;
using IEntity3DWritableHandle = CWritableWrapperHandle<IEntity3D>;
using IEntity3DArrayHandle = CWrapperArrayHandle<IEntity3D, CEntity3DID, 0>;
using IEntity3DConstArrayHandle = CConstWrapperArrayHandle<IEntity3D, CEntity3DID, 0>;
ZX_DECLARE_INTERFACE(IEntity3D, CEntity3DID, 0);

class ZX_API IEntity3D : public IDescribed<IEntity3D> {
public:
    static constexpr const char* s_kindName = "Entity3D";

    struct Fields {
        CEntity3DID id;
        CProjectString name;
        CHeapValue<CProjectString> nameOnImport;
        CProjectBool exposed = false;
        CHeapValue<CGraphicalTransformDouble> transform;
        CHeapValue<CGraphicalTransformDouble> transformOnImport;
        CHeapValue<CGraphicalTransform> textureMatrix;
        CHeapValue<CGraphicalMaterial> material;
        CHeapValue<CTextProperties> textProperties;
        CHeapValue<CLineProperties> lineProperties;
        CHeapValue<CGeometryArray> geometries;
        CHeapValue<CSubdivisionByUniformSlices> subdivision;
        CHeapValue<CSubPartIndex> subPartIndex;
        CHeapValue<CUserFieldValueArray> userFieldValues;
        CCompactValue<CDocumentFileIDArray> documentFileIDs;
        CHeapValue<CIRayMaterialInstance> physicalMaterial;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("NameOnImport", &Fields::nameOnImport);
        v.field("Exposed", &Fields::exposed);
        v.field("Transform", &Fields::transform);
        v.field("TransformOnImport", &Fields::transformOnImport);
        v.field("TextureMatrix", &Fields::textureMatrix);
        v.field("Material", &Fields::material);
        v.field("TextProperties", &Fields::textProperties);
        v.field("LineProperties", &Fields::lineProperties);
        v.optionalCollection("SubEntities", &IEntity3D::getSubEntities, &IEntity3D::getSubEntities,
                             &IEntity3D::allocateSubEntities, &IEntity3D::removeAllSubEntities);
        v.field("Geometries", &Fields::geometries);
        v.field("Subdivision", &Fields::subdivision);
        v.field("SubPartIndex", &Fields::subPartIndex);
        v.optionalCollection("SubdivisionParts", &IEntity3D::getSubdivisionParts,
                             &IEntity3D::getSubdivisionParts, &IEntity3D::allocateSubdivisionParts,
                             &IEntity3D::removeAllSubdivisionParts);
        v.field("UserFieldValues", &Fields::userFieldValues);
        v.optionalCollection("Notes", &IEntity3D::getNotes, &IEntity3D::getNotes,
                             &IEntity3D::allocateNotes, &IEntity3D::removeAllNotes);
        v.field("DocumentFileIDs", &Fields::documentFileIDs);
        v.field("PhysicalMaterial", &Fields::physicalMaterial);
    }

    // Identity and name.
    const CEntity3DID& getID() const { return fields().id; }
    void setID(const CEntity3DID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    // Keeps the name the entity had before its first rename as its name on import, and drops it
    // again once the entity is named so back; either way the entity becomes exposed.
    void setName(const CString& name);
    // The stored name on import, else the current name.
    const CProjectString& getNameOnImport() const {
        const CProjectString* stored = fields().nameOnImport.get();
        return stored ? *stored : fields().name;
    }
    // The stored name on import, or null.
    const CProjectString* getExactNameOnImport() const { return fields().nameOnImport.get(); }
    void setNameOnImport(const CString& name) { fields().nameOnImport.set(CProjectString(name)); }
    const CProjectBool& getExposed() const { return fields().exposed; }
    void setExposed(bool exposed) { fields().exposed = exposed; }

    // Placement, placement on import and texture matrix: null means the identity, and setting the
    // identity (byte for byte) frees the stored one.
    const CGraphicalTransformDouble* getTransform() const { return fields().transform.get(); }
    void setTransform(const CGraphicalTransformDouble& transform) {
        setUnlessIdentity(fields().transform, transform);
    }
    void clearTransform() { fields().transform.reset(); }
    const CGraphicalTransformDouble* getTransformOnImport() const {
        return fields().transformOnImport.get();
    }
    void setTransformOnImport(const CGraphicalTransformDouble& transform) {
        setUnlessIdentity(fields().transformOnImport, transform);
    }
    void clearTransformOnImport() { fields().transformOnImport.reset(); }
    const CGraphicalTransform* getTextureMatrix() const { return fields().textureMatrix.get(); }
    void setTextureMatrix(const CGraphicalTransform& matrix) {
        setUnlessIdentity(fields().textureMatrix, matrix);
    }
    void clearTextureMatrix() { fields().textureMatrix.reset(); }

    // Display material.
    const CGraphicalMaterial* getMaterial() const { return fields().material.get(); }
    void setMaterial(CGraphicalMaterial&& material) { fields().material.set(std::move(material)); }
    void setMaterial(const CGraphicalMaterial& material) { fields().material.set(material); }
    void clearMaterial() { fields().material.reset(); }

    // How the entity's texts and lines are drawn.
    const CTextProperties* getTextProperties() const { return fields().textProperties.get(); }
    void setTextProperties(const CTextProperties& properties) {
        fields().textProperties.set(properties);
    }
    void clearTextProperties() { fields().textProperties.reset(); }
    const CLineProperties* getLineProperties() const { return fields().lineProperties.get(); }
    void setLineProperties(const CLineProperties& properties) {
        fields().lineProperties.set(properties);
    }
    void clearLineProperties() { fields().lineProperties.reset(); }

    // Sub-entities. addSubEntity copies; attachSubEntity moves the handle's object in at the end
    // (on refusal it stays with the caller); detachSubEntity hands a child out with its subtree.
    virtual IEntity3DConstArrayHandle getSubEntities() const = 0;
    virtual IEntity3DArrayHandle getSubEntities() = 0;
    virtual void setSubEntities(const IEntity3DConstArrayHandle& entities) = 0;
    [[nodiscard]] virtual int addSubEntity(const IEntity3D& entity) = 0;
    [[nodiscard]] virtual bool removeSubEntity(const CEntity3DID& id) = 0;
    virtual void removeAllSubEntities() = 0;
    [[nodiscard]] virtual bool changeSubEntity(const IEntity3D& entity) = 0;
    [[nodiscard]] virtual bool attachSubEntity(IEntity3DWritableHandle entity) = 0;
    [[nodiscard]] virtual IEntity3DWritableHandle detachSubEntity(const CEntity3DID& id) = 0;

    // Geometry. addGeometry appends a copy of (or takes over) any geometry item and returns its
    // index, or -1 when the array refuses it (an array left empty is freed).
    const CGeometryArray* getGeometries() const { return fields().geometries.get(); }
    void setGeometries(CGeometryArray&& geometries);
    void setGeometries(const CGeometryArray& geometries);
    template <geometry::GeometryItemKind G>
    [[nodiscard]] int addGeometry(G&& item) {
        CGeometryArray& array = fields().geometries.ensure();
        const int index = array.Add(std::forward<G>(item));
        if (array.IsEmpty()) fields().geometries.reset();
        return index;
    }
    // Takes over a heap array: false for null, and for an empty one (destroyed, the field
    // cleared); otherwise the old array is replaced.
    [[nodiscard]] bool attachGeometries(std::unique_ptr<CGeometryArray> geometries);
    // Hands the array over (null when absent) and leaves the field absent.
    [[nodiscard]] std::unique_ptr<CGeometryArray> detachGeometries();
    void clearGeometries() { fields().geometries.reset(); }

    // Subdivision.
    const CSubdivisionByUniformSlices* getSubdivision() const { return fields().subdivision.get(); }
    void setSubdivision(CSubdivisionByUniformSlices&& subdivision) {
        fields().subdivision.set(std::move(subdivision));
    }
    void setSubdivision(const CSubdivisionByUniformSlices& subdivision) {
        fields().subdivision.set(subdivision);
    }
    void clearSubdivision() { fields().subdivision.reset(); }
    const CSubPartIndex* getSubPartIndex() const { return fields().subPartIndex.get(); }
    void setSubPartIndex(const CSubPartIndex& index) { fields().subPartIndex.set(index); }
    void clearSubPartIndex() { fields().subPartIndex.reset(); }
    virtual IEntity3DConstArrayHandle getSubdivisionParts() const = 0;
    virtual IEntity3DArrayHandle getSubdivisionParts() = 0;
    virtual void setSubdivisionParts(const IEntity3DConstArrayHandle& parts) = 0;
    virtual void removeAllSubdivisionParts() = 0;

    // User field values, unique by user field. addUserFieldValue: index -1 adds in key order,
    // otherwise 0 <= index <= count (only 0 while there are none); false when not placed.
    const CUserFieldValueArray* getUserFieldValues() const {
        return fields().userFieldValues.get();
    }
    void setUserFieldValues(CUserFieldValueArray&& values) {
        userFieldValues::set(fields().userFieldValues, std::move(values));
    }
    void setUserFieldValues(const CUserFieldValueArray& values) {
        userFieldValues::set(fields().userFieldValues, values);
    }
    [[nodiscard]] bool addUserFieldValue(const CUserFieldValue& value, int index) {
        return userFieldValues::add(fields().userFieldValues, value, index);
    }
    [[nodiscard]] bool changeUserFieldValue(const CUserFieldValue& value) {
        return userFieldValues::change(fields().userFieldValues, value);
    }
    [[nodiscard]] bool removeUserFieldValue(const CUserFieldID& id) {
        return userFieldValues::remove(fields().userFieldValues, id);
    }
    void removeAllUserFieldValues() { fields().userFieldValues.reset(); }

    // Notes.
    virtual INoteConstArrayHandle getNotes() const = 0;
    virtual INoteArrayHandle getNotes() = 0;
    virtual void setNotes(const INoteConstArrayHandle& notes) = 0;
    [[nodiscard]] virtual int addNote(const INote& note) = 0;
    [[nodiscard]] virtual bool insertNote(const INote& note, int index) = 0;
    [[nodiscard]] virtual bool changeNote(const INote& note) = 0;
    [[nodiscard]] virtual bool removeNote(const CNoteID& id) = 0;
    virtual void removeAllNotes() = 0;

    // Document links (an ID set, always present).
    const CDocumentFileIDArray& getDocumentFileIDs() const {
        return fields().documentFileIDs.get();
    }
    void setDocumentFileIDs(CDocumentFileIDArray&& ids) {
        fields().documentFileIDs.set(std::move(ids));
    }
    void setDocumentFileIDs(const CDocumentFileIDArray& ids) { fields().documentFileIDs.set(ids); }
    [[nodiscard]] int addDocumentFileID(const CDocumentFileID& id) {
        return fields().documentFileIDs.modify([&](auto& ids) { return ids.Add(id); });
    }
    [[nodiscard]] bool insertDocumentFileID(const CDocumentFileID& id, int index) {
        return fields().documentFileIDs.modify([&](auto& ids) { return ids.InsertAt(index, id); });
    }
    [[nodiscard]] bool removeDocumentFileID(const CDocumentFileID& id) {
        return fields().documentFileIDs.modify([&](auto& ids) { return ids.removeByID(id); });
    }
    void removeAllDocumentFileIDs() { fields().documentFileIDs.reset(); }

    // Rendering material (null when absent); setting copies through the instance's own copy.
    const CIRayMaterialInstance* getPhysicalMaterial() const {
        return fields().physicalMaterial.get();
    }
    void setPhysicalMaterial(const CIRayMaterialInstance& material) {
        fields().physicalMaterial.ensure().copyFrom(material);
    }
    void removePhysicalMaterial() { fields().physicalMaterial.reset(); }

    // Takes the other entity's texture matrix and display material where this one has none.
    void ReplaceEmptyMaterialFromOtherEntity(const IEntity3DHandle& other);

    int numberOfSubEntities() const { return getSubEntities().GetSize(); }

protected:
    friend IDescribed<IEntity3D>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;

    // Writable access for the host's editors: null where the part is absent.
    CGeometryArray* getWritableGeometries() { return fields().geometries.getWritable(); }
    CGraphicalTransformDouble* getWritableTransform() { return fields().transform.getWritable(); }
    CGraphicalMaterial* getWritableMaterial() { return fields().material.getWritable(); }
    // Writable handles on the text and line properties; null handles where they are absent.
    CWritableWrapperHandle<CTextProperties> getWritableTextProperties() {
        CTextProperties* properties = fields().textProperties.getWritable();
        return properties ? properties->getWritableHandle()
                          : CWritableWrapperHandle<CTextProperties>();
    }
    CWritableWrapperHandle<CLineProperties> getWritableLineProperties() {
        CLineProperties* properties = fields().lineProperties.getWritable();
        return properties ? properties->getWritableHandle()
                          : CWritableWrapperHandle<CLineProperties>();
    }
    CIRayMaterialInstance* getWritablePhysicalMaterial() {
        return fields().physicalMaterial.getWritable();
    }

    // Create the pointer-held collections (empty) when they are absent.
    virtual void allocateSubEntities() = 0;
    virtual void allocateSubdivisionParts() = 0;
    virtual void allocateNotes() = 0;

private:
    template <class T>
    static void setUnlessIdentity(CHeapValue<T>& stored, const T& transform) {
        if (transform == T::s_identityTransform)
            stored.reset();
        else
            stored.set(transform);
    }
};
