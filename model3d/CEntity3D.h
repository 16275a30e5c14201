// CEntity3D: the stored 3D entity. It owns its sub-entities, its subdivision parts and its notes
// in collections that stay null while empty, and its optional values (IEntity3D's fields).
// Sub-entities move between parents without copying (attachSubEntity, detachSubEntity), so a
// moved sub-tree keeps its identity and its own children. Destruction does not recurse along the
// tree, however deep it is.
#pragma once

#include <memory>

#include "basetypes/IEntity3D.h"
#include "basetypes/ZxApi.h"
#include "records/CNote.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CEntity3D : public CStored<CEntity3D, IEntity3D> {
public:
    CEntity3D() = default;
    CEntity3D(const CEntity3D& other) : CStored<CEntity3D, IEntity3D>() { copyFrom(other); }
    CEntity3D& operator=(const CEntity3D& other) {
        copyFrom(other);
        return *this;
    }
    // Takes every part over and leaves the source a new, empty entity (its ID and name kept
    // moved-from: unset and empty).
    CEntity3D(CEntity3D&& other) noexcept;
    CEntity3D& operator=(CEntity3D&& other) noexcept;
    ~CEntity3D() override;

    IEntity3DConstArrayHandle getSubEntities() const override { return m_subEntities.handle(); }
    IEntity3DArrayHandle getSubEntities() override { return m_subEntities.handle(); }
    void setSubEntities(const IEntity3DConstArrayHandle& entities) override {
        m_subEntities.set(entities);
    }
    [[nodiscard]] int addSubEntity(const IEntity3D& entity) override {
        return m_subEntities.add(entity);
    }
    [[nodiscard]] bool removeSubEntity(const CEntity3DID& id) override {
        return m_subEntities.remove(id);
    }
    void removeAllSubEntities() override { m_subEntities.reset(); }
    [[nodiscard]] bool changeSubEntity(const IEntity3D& entity) override {
        return m_subEntities.change(entity);
    }
    [[nodiscard]] bool attachSubEntity(IEntity3DWritableHandle entity) override {
        return m_subEntities.attach(entity, m_subEntities.GetSize());
    }
    [[nodiscard]] IEntity3DWritableHandle detachSubEntity(const CEntity3DID& id) override {
        return m_subEntities.detach(id);
    }

    IEntity3DConstArrayHandle getSubdivisionParts() const override {
        return m_subdivisionParts.handle();
    }
    IEntity3DArrayHandle getSubdivisionParts() override { return m_subdivisionParts.handle(); }
    void setSubdivisionParts(const IEntity3DConstArrayHandle& parts) override {
        m_subdivisionParts.set(parts);
    }
    void removeAllSubdivisionParts() override { m_subdivisionParts.reset(); }

    INoteConstArrayHandle getNotes() const override { return m_notes.handle(); }
    INoteArrayHandle getNotes() override { return m_notes.handle(); }
    void setNotes(const INoteConstArrayHandle& notes) override { m_notes.set(notes); }
    [[nodiscard]] int addNote(const INote& note) override { return m_notes.add(note); }
    [[nodiscard]] bool insertNote(const INote& note, int index) override {
        return m_notes.insert(note, index);
    }
    [[nodiscard]] bool changeNote(const INote& note) override { return m_notes.change(note); }
    [[nodiscard]] bool removeNote(const CNoteID& id) override { return m_notes.remove(id); }
    void removeAllNotes() override { m_notes.reset(); }

private:
    void allocateSubEntities() override { m_subEntities.ensure(); }
    void allocateSubdivisionParts() override { m_subdivisionParts.ensure(); }
    void allocateNotes() override { m_notes.ensure(); }

    COptionalObjectArray<IEntity3D, CEntity3D, CEntity3DID> m_subEntities;
    COptionalObjectArray<IEntity3D, CEntity3D, CEntity3DID> m_subdivisionParts;
    COptionalObjectArray<INote, CNote, CNoteID, 1> m_notes;
};

using CEntity3DArray = CUniqueObjectPointerArray<IEntity3D, CEntity3D, CEntity3DID>;
using CEntity3DHandle = CBasicHandle<IEntity3D, CEntity3D>;
using CEntity3DWritableHandle = CWritableBasicHandle<IEntity3D, CEntity3D>;
using CEntity3DArrayHandle = CBasicArrayHandle<IEntity3D, CEntity3D, CEntity3DID, 0>;
ZX_DECLARE_KIND(IEntity3D, CEntity3D, CEntity3DID, 0);
