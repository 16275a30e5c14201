// IEntity3D: the rules over the entity's fields (name on import, geometry ownership, material
// taken from another entity).
#include "basetypes/IEntity3D.h"

void IEntity3D::setName(const CString& name) {
    Fields& f = fields();
    if (const CProjectString* stored = f.nameOnImport.get()) {
        if (stored->getString() == name) f.nameOnImport.reset();
    } else if (!f.name.getString().IsEmpty() && !(f.name.getString() == name)) {
        // A first name (the one given on import) is not a rename: nothing to keep.
        f.nameOnImport.set(f.name);
    }
    f.name = name;
    f.exposed = true;
}

void IEntity3D::setGeometries(CGeometryArray&& geometries) {
    if (geometries.IsEmpty())
        fields().geometries.reset();
    else
        fields().geometries.set(std::move(geometries));
}

void IEntity3D::setGeometries(const CGeometryArray& geometries) {
    if (geometries.IsEmpty())
        fields().geometries.reset();
    else
        fields().geometries.set(geometries);
}

bool IEntity3D::attachGeometries(std::unique_ptr<CGeometryArray> geometries) {
    if (!geometries) return false;
    if (geometries->IsEmpty()) {
        fields().geometries.reset();
        return false;
    }
    // Moving the array moves its item pointers: no item is copied.
    fields().geometries.set(std::move(*geometries));
    return true;
}

std::unique_ptr<CGeometryArray> IEntity3D::detachGeometries() {
    CGeometryArray* held = fields().geometries.getWritable();
    if (!held) return nullptr;
    auto detached = std::make_unique<CGeometryArray>(std::move(*held));
    fields().geometries.reset();
    return detached;
}

void IEntity3D::ReplaceEmptyMaterialFromOtherEntity(const IEntity3DHandle& other) {
    if (other.isNull()) return;
    const IEntity3D& source = *other;
    if (&source == this) return;
    if (!getTextureMatrix() && source.getTextureMatrix())
        fields().textureMatrix.set(*source.getTextureMatrix());
    if (!getMaterial() && source.getMaterial()) fields().material.set(*source.getMaterial());
}
