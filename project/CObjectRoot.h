// CObjectRoot<I, C, ID, flag>: the root that owns one kind's project-level collection.
//
// A root owns its collection and, through it, every object in it; the host owns the roots.
// A new root has an empty collection and a fresh ID.
#pragma once

#include <memory>

#include "basetypes/IObjectRoot.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/CollectionOps.h"
#include "store/Handles.h"

template <class I, class C, class ID, int flag = 0>
class CObjectRoot : public IObjectRoot<I, ID, flag> {
public:
    using Interface = IObjectRoot<I, ID, flag>;
    using Object = C;
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    using ArrayHandle = typename Interface::ArrayHandle;
    using ConstArrayHandle = typename Interface::ConstArrayHandle;

    CObjectRoot() { this->generateIDs(); }

    const ID& getID() const override { return m_id; }
    void setID(const ID& id) override { m_id = id; }
    ConstArrayHandle get() const override;
    ArrayHandle get() override;
    void set(const ConstArrayHandle& objects) override;
    Array& getArray() { return m_array; }
    const Array& getArray() const { return m_array; }

    // New heap handles on the root, owned by the caller.
    IHandle<Interface>* handle() const { return new CBasicHandle<Interface, CObjectRoot>(this); }
    IWritableHandle<Interface>* writableHandle() {
        return new CWritableBasicHandle<Interface, CObjectRoot>(this);
    }

private:
    ID m_id;
    Array m_array;
};

template <class I, class C, class ID, int flag>
typename CObjectRoot<I, C, ID, flag>::ConstArrayHandle CObjectRoot<I, C, ID, flag>::get() const {
    return ConstArrayHandle::over(&m_array);
}

template <class I, class C, class ID, int flag>
typename CObjectRoot<I, C, ID, flag>::ArrayHandle CObjectRoot<I, C, ID, flag>::get() {
    return ArrayHandle::over(&m_array);
}

template <class I, class C, class ID, int flag>
void CObjectRoot<I, C, ID, flag>::set(const ConstArrayHandle& objects) {
    // Set from its own collection, the root already holds exactly what it would copy in.
    const auto* held = objects.handle();
    const auto* view = dynamic_cast<const CBasicConstArrayHandle<I, C, ID, flag>*>(held);
    const auto* writable = dynamic_cast<const CBasicArrayHandle<I, C, ID, flag>*>(held);
    if ((view && view->array() == &m_array) || (writable && writable->array() == &m_array)) return;
    // Copies first: the handle may view a collection owned by one of the root's objects.
    replaceWithCopies(m_array, objects);
}
