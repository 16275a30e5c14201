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

    static inline const std::string s_markerName = std::string(I::s_kindName) + "Root";

    const GUID& getObjectStateGUID() const override { return getID().getGUID(); }
    virtual const ID& getID() const = 0;
    virtual void setID(const ID& id) = 0;
    // A new array handle on the collection: read-only on a const root.
    virtual ConstArrayHandle get() const = 0;
    virtual ArrayHandle get() = 0;
    // Empties the collection, then adds a copy of every object the handle yields (a repeated
    // ID is skipped).
    virtual void set(const ConstArrayHandle& objects) = 0;

    virtual void Serialize(CZentrixArchive& ar) {
        ar.checkMarkerStart(s_markerName.c_str());
        ID id = getID();
        ar.setField("ID");
        id.Serialize(ar);
        if (ar.IsLoading()) setID(id);
        ar.setField(nullptr);
        if (ar.IsStoring()) {
            get().Serialize(ar);
            ar.checkMarkerEnd(s_markerName.c_str());
            return;
        }
        try {
            get().Serialize(ar);
            ar.checkMarkerEnd(s_markerName.c_str());
        } catch (...) {
            // The collection empties itself when its own record fails; this covers a bad end
            // marker of the root after a collection that loaded.
            set(ConstArrayHandle());
            throw;
        }
    }
    // A fresh ID for the root itself.
    virtual void generateIDs() { setID(ID(CIDBase::generate())); }

    // Roots are equal when their IDs and collections are.
    bool operator==(const IObjectRoot& other) const {
        return getID() == other.getID() && get() == other.get();
    }
};
