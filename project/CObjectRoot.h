// CObjectRoot<I, C, ID, flag>: the root that owns one kind's project-level collection.
//
// A root owns its collection and, through it, every object in it; the host owns the roots.
// A new root has an empty collection and a fresh ID.
#pragma once

#include <memory>

#include "basetypes/IObjectRoot.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/Handles.h"

template <class I, class C, class ID, int flag = 0>
class CObjectRoot : public IObjectRoot<I, ID, flag> {
public:
    using Interface = IObjectRoot<I, ID, flag>;
    using Array = CUniqueObjectPointerArray<I, C, ID>;
    using ArrayHandle = typename Interface::ArrayHandle;
    using ConstArrayHandle = typename Interface::ConstArrayHandle;

    CObjectRoot() { this->generateIDs(); }

    const ID& getID() const override { return m_id; }
    void setID(const ID& id) override { m_id = id; }
    ConstArrayHandle get() const override { return ConstArrayHandle::over(&m_array); }
    ArrayHandle get() override { return ArrayHandle::over(&m_array); }
    void set(const ConstArrayHandle& objects) override {
        m_array.RemoveAll();
        for (int i = 0; i < objects.GetSize(); ++i) {
            const CWrapperHandle<I> object = objects.getConstReference(i);
            if (!object.isNull()) (void)m_array.Add(*object);
        }
    }
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
