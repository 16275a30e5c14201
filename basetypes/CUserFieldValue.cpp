#include "basetypes/CUserFieldValue.h"

#include <utility>

bool userFieldValues::add(CHeapValue<CUserFieldValueArray>& values, const CUserFieldValue& value,
                          int index) {
    if (!values) {
        if (index != 0 && index != -1) return false;
        return values.ensure().addValue(value) >= 0;
    }
    if (index == -1) return values.getWritable()->addValue(value) >= 0;
    // insertValue refuses an index outside 0..count and a user field that has a value already.
    return values.getWritable()->insertValue(index, value);
}

bool userFieldValues::change(CHeapValue<CUserFieldValueArray>& values,
                             const CUserFieldValue& value) {
    CUserFieldValueArray* stored = values.getWritable();
    if (!stored) return false;
    const int i = stored->findByID(value.getID());
    if (i < 0) return false;
    stored->getWritableReference(i) = value;
    return true;
}

bool userFieldValues::remove(CHeapValue<CUserFieldValueArray>& values, const CUserFieldID& id) {
    CUserFieldValueArray* stored = values.getWritable();
    if (!stored) return false;
    const int i = stored->findByID(id);
    if (i < 0 || !stored->RemoveAt(i)) return false;
    if (stored->GetSize() == 0) values.reset();
    return true;
}

void userFieldValues::set(CHeapValue<CUserFieldValueArray>& values, CUserFieldValueArray&& source) {
    if (source.GetSize() == 0)
        values.reset();
    else
        values.set(std::move(source));
}

void userFieldValues::set(CHeapValue<CUserFieldValueArray>& values,
                          const CUserFieldValueArray& source) {
    if (source.GetSize() == 0)
        values.reset();
    else
        values.set(source);
}
