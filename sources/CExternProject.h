// CExternProject<T>: what every source's settings answer about the objects they link: the IDs of
// the project's tasks, resources, 3D entities and user fields that the settings name anywhere in
// their values (single IDs, ID lists, ID sets, and the described values nested in them).
//
// T derives from it and describes its values (CDescribedValue). Each query empties the given set,
// fills it with every valid, non-null ID of its type in ascending order, once each, and returns
// whether it found any. IDs kept as texts (an XML source's identifiers) name nothing here.
#pragma once

#include <type_traits>

#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "store/CIDPointerArray.h"
#include "store/IDArrays.h"
#include "store/StdVector.h"

namespace zx {

// Adds every ID of type ID that a described value holds to a set, unsorted.
template <class ID>
class IDCollector {
public:
    explicit IDCollector(CIDPointerArray<ID>& ids) : m_ids(ids) {}

    template <class T>
    void value(const char*, const T& value) {
        if constexpr (std::is_same_v<T, ID>) {
            add(value);
        } else if constexpr (std::is_same_v<T, CStdVector<ID>>) {
            for (const ID& id : value) add(id);
        } else if constexpr (std::is_same_v<T, CIDPointerArray<ID>>) {
            for (const ID& id : value) add(id);
        } else if constexpr (std::is_base_of_v<CDescribedValue<T>, T>) {
            fields::ValueAdapter<const T, const T, IDCollector> adapter{value, value, *this};
            T::describeFields(adapter);
        }
    }

private:
    void add(const ID& id) {
        if (id.isValidNotNull()) m_ids.addNoSort(id);
    }

    CIDPointerArray<ID>& m_ids;
};

}  // namespace zx

template <class T>
class CExternProject {
public:
    bool getSynchronisedTaskIDs(CTaskIDArray& ids) const { return collect(ids); }
    bool getSynchronisedResourceIDs(CResourceIDArray& ids) const { return collect(ids); }
    bool getSynchronisedEntityIDs(CEntity3DIDArray& ids) const { return collect(ids); }
    bool getSynchronisedUserFieldIDs(CUserFieldIDArray& ids) const { return collect(ids); }

protected:
    CExternProject() = default;

private:
    template <class ID>
    bool collect(CIDPointerArray<ID>& ids) const {
        ids.RemoveAll();
        zx::IDCollector<ID> collector(ids);
        collector.value("", static_cast<const T&>(*this));
        ids.sort();
        return ids.GetSize() > 0;
    }
};
