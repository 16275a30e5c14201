// Collection operations shared by the objects that own keyed child collections.
//
// attachFromHandle and detachToHandle move a child between collections without copying it: the
// detached object is owned by nobody but the writable handle's holder until it is attached again.
// A refused attach leaves the object with the caller, exactly as the container's Attach does.
#pragma once

#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"
#include "store/Handles.h"

// Attaches the object the handle views at index (negative: at the end). False when the index is
// above the count, the handle is null or the ID is already present.
template <class I, class C, class ID>
[[nodiscard]] bool attachFromHandle(CUniqueObjectPointerArray<I, C, ID>& array,
                                    const CWritableWrapperHandle<I>& handle, int index) {
    if (index > array.GetSize() || handle.isNull()) return false;
    if (index < 0) index = array.GetSize();
    return array.Attach(index, static_cast<C*>(handle.get()));
}

// Takes the object with this ID out of the collection without deleting it; an empty handle when
// it is absent.
template <class I, class C, class ID>
[[nodiscard]] CWritableWrapperHandle<I> detachToHandle(CUniqueObjectPointerArray<I, C, ID>& array,
                                                       const ID& id) {
    I* detached = array.Detach(id);
    return detached ? detached->getWritableHandle() : CWritableWrapperHandle<I>();
}

// Removes the object at position i, keeping the container's sorting state; false when out of
// range.
template <class I, class C, class ID>
[[nodiscard]] bool removeAtKeepingSort(CUniqueObjectPointerArray<I, C, ID>& array, int i) {
    return array.isSorted() ? array.RemoveAt(i) : array.RemoveAtNoSort(i);
}

// Removes the object with this ID, keeping the container's sorting state; false when absent.
template <class I, class C, class ID>
[[nodiscard]] bool removeByIDKeepingSort(CUniqueObjectPointerArray<I, C, ID>& array, const ID& id) {
    const int i = array.findByID(id);
    return i >= 0 && removeAtKeepingSort(array, i);
}

// Replaces the contents with copies of the objects the handle yields, in order; null entries and
// repeated IDs are skipped. The copies are made first, so the source may view the array itself.
template <class I, class C, class ID, int flag>
void replaceWithCopies(CUniqueObjectPointerArray<I, C, ID>& array,
                       const CConstWrapperArrayHandle<I, ID, flag>& source) {
    CUniqueObjectPointerArray<I, C, ID> copies;
    for (int i = 0; i < source.GetSize(); ++i) {
        const CWrapperHandle<I> object = source.getConstReference(i);
        if (!object.isNull()) (void)copies.Add(*object);
    }
    array = std::move(copies);
}
