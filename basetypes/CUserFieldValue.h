// CUserFieldValue: the value a task, resource or group holds for one user field, keyed by the
// field's ID in a CUserFieldValueArray (at most one value per field).
//
// Archive record: the variant value, the user field ID, the imported flag (from describeFields).
#pragma once

#include <string>

#include "basetypes/CHeapValue.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectVariant.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/CUniqueValueArray.h"

class ZX_API CUserFieldValue : public CDescribedValue<CUserFieldValue> {
public:
    static constexpr const char* s_kindName = "UserFieldValue";

    CUserFieldValue() = default;
    CUserFieldValue(const CUserFieldID& userFieldID, const CProjectVariant& value)
        : m_value(value), m_userFieldID(userFieldID) {}

    template <class V>
    static void describeFields(V& v) {
        v.field("Value", &CUserFieldValue::m_value);
        v.field("UserFieldID", &CUserFieldValue::m_userFieldID);
        v.field("Imported", &CUserFieldValue::m_imported);
    }

    // The key of the value in its array.
    const CUserFieldID& getID() const { return m_userFieldID; }
    const CUserFieldID& getUserFieldID() const { return m_userFieldID; }
    void setUserFieldID(const CUserFieldID& id) { m_userFieldID = id; }
    const CProjectVariant& getValue() const { return m_value; }
    void setValue(const CProjectVariant& value) { m_value = value; }
    const CProjectBool& getImported() const { return m_imported; }
    void setImported(bool imported) { m_imported = imported; }

private:
    CProjectVariant m_value;
    CUserFieldID m_userFieldID;
    CProjectBool m_imported;
};

struct CUserFieldValueIDGetter {
    const CUserFieldID& operator()(const CUserFieldValue& value) const { return value.getID(); }
};

using CUserFieldValueArray =
    CUniqueValueArray<CUserFieldValue, CUserFieldID, CUserFieldValueIDGetter>;

// The rules of pointer-held user field values, shared by the kinds that hold them (tasks,
// resources and resource groups). The pointer is null while there are no values.
namespace userFieldValues {
// index -1 adds in key order; otherwise 0 <= index <= count, and only 0 (or -1) while there are
// no values. False when the user field already has a value here.
[[nodiscard]] ZX_API bool add(CHeapValue<CUserFieldValueArray>& values,
                              const CUserFieldValue& value, int index);
// Replaces the stored value of the same user field; false when there is none.
[[nodiscard]] ZX_API bool change(CHeapValue<CUserFieldValueArray>& values,
                                 const CUserFieldValue& value);
// An emptied collection is freed.
[[nodiscard]] ZX_API bool remove(CHeapValue<CUserFieldValueArray>& values, const CUserFieldID& id);
// An empty source frees the collection.
ZX_API void set(CHeapValue<CUserFieldValueArray>& values, CUserFieldValueArray&& source);
ZX_API void set(CHeapValue<CUserFieldValueArray>& values, const CUserFieldValueArray& source);
}  // namespace userFieldValues
