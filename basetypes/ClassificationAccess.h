// ClassificationAccess<I>: the code values, document links and user field values that tasks,
// resources and resource groups hold alike, as one set of accessors over the interface's Fields
// (members assignedCodeValues, documentFileIDs and userFieldValues).
//
// A kind's interface derives from it and befriends it, so that it reaches the protected fields().
// It holds no data of its own. The two ID sets are CCompactValue fields: most objects have neither
// code values nor document links, and an empty one costs a null pointer. User field values are
// held through a pointer that stays null while there are none (the rules are userFieldValues::add
// and its siblings).
#pragma once

#include <utility>

#include "basetypes/CUserFieldValue.h"
#include "basetypes/TypedIDs.h"
#include "store/IDArrays.h"

template <class I>
class ClassificationAccess {
public:
    // Code values and document links (ID sets). The removals are false when the ID is absent.
    const CCodeValueIDArray& getAssignedCodeValues() const {
        return values().assignedCodeValues.get();
    }
    void setAssignedCodeValues(const CCodeValueIDArray& ids) {
        values().assignedCodeValues.set(ids);
    }
    [[nodiscard]] int addCodeValue(const CCodeValueID& id) {
        return values().assignedCodeValues.modify([&](auto& ids) { return ids.Add(id); });
    }
    [[nodiscard]] bool insertCodeValue(const CCodeValueID& id, int index) {
        return values().assignedCodeValues.modify(
            [&](auto& ids) { return ids.InsertAt(index, id); });
    }
    [[nodiscard]] bool removeCodeValue(const CCodeValueID& id) {
        return values().assignedCodeValues.modify([&](auto& ids) { return ids.removeByID(id); });
    }
    void removeAllCodes() { values().assignedCodeValues.reset(); }

    const CDocumentFileIDArray& getDocumentFileIDs() const {
        return values().documentFileIDs.get();
    }
    [[nodiscard]] int addDocumentFileID(const CDocumentFileID& id) {
        return values().documentFileIDs.modify([&](auto& ids) { return ids.Add(id); });
    }
    [[nodiscard]] bool insertDocumentFileID(const CDocumentFileID& id, int index) {
        return values().documentFileIDs.modify([&](auto& ids) { return ids.InsertAt(index, id); });
    }
    [[nodiscard]] bool removeDocumentFileID(const CDocumentFileID& id) {
        return values().documentFileIDs.modify([&](auto& ids) { return ids.removeByID(id); });
    }
    void removeAllDocumentFileIDs() { values().documentFileIDs.reset(); }

    // User field values: null while there are none.
    const CUserFieldValueArray* getUserFieldValues() const {
        return values().userFieldValues.get();
    }
    // index -1 adds in key order; otherwise 0 <= index <= count (only 0 without values). False
    // when the user field already has a value here.
    [[nodiscard]] bool addUserFieldValue(const CUserFieldValue& value, int index) {
        return userFieldValues::add(values().userFieldValues, value, index);
    }
    [[nodiscard]] bool changeUserFieldValue(const CUserFieldValue& value) {
        return userFieldValues::change(values().userFieldValues, value);
    }
    [[nodiscard]] bool removeUserFieldValue(const CUserFieldID& id) {
        return userFieldValues::remove(values().userFieldValues, id);
    }
    void removeAllUserFieldValues() { values().userFieldValues.reset(); }
    void setUserFieldValues(CUserFieldValueArray&& source) {
        userFieldValues::set(values().userFieldValues, std::move(source));
    }
    void setUserFieldValues(const CUserFieldValueArray& source) {
        userFieldValues::set(values().userFieldValues, source);
    }

protected:
    ClassificationAccess() = default;
    ~ClassificationAccess() = default;

private:
    auto& values() { return static_cast<I*>(this)->fields(); }
    const auto& values() const { return static_cast<const I*>(this)->fields(); }
};
