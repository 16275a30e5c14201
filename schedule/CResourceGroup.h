// CResourceGroup: a stored resource group (package). It owns its notes, which exist only while
// there are some. A new group receives a fresh ID when it is built, so a group made and added in
// one step needs no further set-up; copies take the other group's ID along with everything else.
#pragma once

#include "basetypes/IResourceGroup.h"
#include "basetypes/ZxApi.h"
#include "records/CNote.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CResourceGroup : public CStored<CResourceGroup, IResourceGroup> {
public:
    // Tells generic code (the conformance suite) that two new groups are never equal.
    static constexpr bool s_newObjectsHaveFreshIdentity = true;

    CResourceGroup() { generateIDs(); }
    CResourceGroup(const CResourceGroup& other) : CStored() { copyFrom(other); }
    CResourceGroup& operator=(const CResourceGroup& other) {
        copyFrom(other);
        return *this;
    }
    CResourceGroup& operator=(const IResourceGroup& other) {
        copyFrom(other);
        return *this;
    }
    ~CResourceGroup() override = default;

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
    void allocateNotes() override { m_notes.ensure(); }

    COptionalObjectArray<INote, CNote, CNoteID, 1> m_notes;
};

using CResourceGroupArray =
    CUniqueObjectPointerArray<IResourceGroup, CResourceGroup, CResourceGroupID>;
using CResourceGroupHandle = CBasicHandle<IResourceGroup, CResourceGroup>;
using CResourceGroupWritableHandle = CWritableBasicHandle<IResourceGroup, CResourceGroup>;
using CResourceGroupArrayHandle =
    CBasicArrayHandle<IResourceGroup, CResourceGroup, CResourceGroupID, 0>;
ZX_DECLARE_KIND(IResourceGroup, CResourceGroup, CResourceGroupID, 0);
