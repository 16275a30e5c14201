// IObjectRoot<I, ID, flag>: the interface of the root that owns one kind's project-level
// collection (ICodeRoot is IObjectRoot<ICode, CCodeID>, and so for each kind).
//
// Archive record: start marker "<Kind>Root", the root's ID (16 bytes), the collection's
// "CUniquePointerArray" record, end marker "<Kind>Root".
#pragma once

#include <string>

#include "basetypes/CObjectState.h"
#include "basetypes/CZentrixArchive.h"
#include "store/ArrayHandles.h"
#include "store/Handles.h"

template <class I, class ID, int flag = 0>
class IObjectRoot : public CObjectState {
public:
    using ArrayHandle = CWrapperArrayHandle<I, ID, flag>;
    using ConstArrayHandle = CConstWrapperArrayHandle<I, ID, flag>;

    const GUID& getObjectStateGUID() const override { return getID().getGUID(); }
    virtual const ID& getID() const = 0;
    virtual void setID(const ID& id) = 0;
    // A new array handle on the collection: read-only on a const root.
    virtual ConstArrayHandle get() const = 0;
    virtual ArrayHandle get() = 0;
    // Empties the collection, then adds a copy of every object the handle yields (a repeated
    // ID is skipped).
    virtual void set(const ConstArrayHandle& objects) = 0;

    virtual void Serialize(CZentrixArchive& ar);
    // A fresh ID for the root itself.
    virtual void generateIDs() { setID(ID(CIDBase::generate())); }

    // Roots are equal when their IDs and collections are.
    bool operator==(const IObjectRoot& other) const {
        return getID() == other.getID() && get() == other.get();
    }

    // What null handles on a root of this kind dereference to: a root with no collection.
    static const IObjectRoot& invalidObject();
    static IObjectRoot& writableInvalidObject();

    // The root's start and end marker, "<Kind>Root".
    static const char* markerName();

private:
    class CInvalidRoot;
};

// A root that holds nothing: its ID is the unset ID and its collection is always empty.
template <class I, class ID, int flag>
class IObjectRoot<I, ID, flag>::CInvalidRoot final : public IObjectRoot {
public:
    const ID& getID() const override { return m_id; }
    void setID(const ID&) override {}
    ConstArrayHandle get() const override { return {}; }
    ArrayHandle get() override { return {}; }
    void set(const ConstArrayHandle&) override {}

private:
    ID m_id;
};

template <class I, class ID, int flag>
const IObjectRoot<I, ID, flag>& IObjectRoot<I, ID, flag>::invalidObject() {
    return writableInvalidObject();
}

template <class I, class ID, int flag>
IObjectRoot<I, ID, flag>& IObjectRoot<I, ID, flag>::writableInvalidObject() {
    static CInvalidRoot invalid;
    return invalid;
}

template <class I, class ID, int flag>
const char* IObjectRoot<I, ID, flag>::markerName() {
    static const std::string name = std::string(I::s_kindName) + "Root";
    return name.c_str();
}

template <class I, class ID, int flag>
void IObjectRoot<I, ID, flag>::Serialize(CZentrixArchive& ar) {
    ar.checkMarkerStart(markerName());
    ID id = getID();
    ar.setField("ID");
    id.Serialize(ar);
    if (ar.IsLoading()) setID(id);
    ar.setField(nullptr);
    if (ar.IsStoring()) {
        get().Serialize(ar);
        ar.checkMarkerEnd(markerName());
        return;
    }
    try {
        get().Serialize(ar);
        ar.checkMarkerEnd(markerName());
    } catch (...) {
        // The collection empties itself when its own record fails; this covers a bad end
        // marker of the root after a collection that loaded.
        set(ConstArrayHandle());
        throw;
    }
}
