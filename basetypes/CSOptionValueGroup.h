// CSOptionValueGroup: the option values of one direction of a synchronization, as named texts in
// the order they were first set. A name holds one value; setting it again replaces the value.
//
// Archive record: the names, then the values (each a CProjectStringArray record).
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CProjectStringArray.h"
#include "basetypes/CString.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

class ZX_API CSOptionValueGroup : public CDescribedValue<CSOptionValueGroup> {
public:
    static constexpr const char* s_kindName = "SOptionValueGroup";

    template <class V>
    static void describeFields(V& v) {
        v.field("Names", &CSOptionValueGroup::m_names);
        v.field("Values", &CSOptionValueGroup::m_values);
    }

    int GetSize() const { return m_names.GetSize(); }
    bool IsEmpty() const { return GetSize() == 0; }
    // The value of an option, or null when the group does not hold it.
    const CProjectString* getValue(const CString& name) const {
        const int i = indexOf(name);
        return i < 0 ? nullptr : &m_values.GetAt(i);
    }
    void setValue(const CString& name, const CString& value) {
        const int i = indexOf(name);
        if (i >= 0) {
            m_values[i] = value;
            return;
        }
        (void)m_names.Add(name);
        (void)m_values.Add(value);
    }
    void RemoveAll() { *this = CSOptionValueGroup(); }

private:
    int indexOf(const CString& name) const {
        // A loaded group may have fewer values than names; such a name holds no value.
        for (int i = 0; i < m_names.GetSize() && i < m_values.GetSize(); ++i)
            if (m_names.GetAt(i) == CProjectString(name)) return i;
        return -1;
    }

    CProjectStringArray m_names;
    CProjectStringArray m_values;
};
