// ICode: an activity code (a discipline, an area, ...) and the tree of code values it owns.
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/ICodeValue.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"

class ZX_API ICode : public IDescribed<ICode> {
public:
    static constexpr const char* s_kindName = "Code";

    struct Fields {
        CCodeID id;
        CProjectString name;
        CCodeType type;
        CCodeCategory category;
        // New codes allow values of the default length.
        CProjectInt maxValueLength = 40;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Type", &Fields::type);
        v.field("Category", &Fields::category);
        v.field("MaxValueLength", &Fields::maxValueLength, {.min = 0});
        v.collection("CodeValues", &ICode::getCodeValues, &ICode::getCodeValues);
    }

    const CCodeID& getID() const { return fields().id; }
    void setID(const CCodeID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CCodeType& getType() const { return fields().type; }
    void setType(const CCodeType& type) { fields().type = type; }
    const CCodeCategory& getCategory() const { return fields().category; }
    void setCategory(const CCodeCategory& category) { fields().category = category; }
    const CProjectInt& getMaxValueLength() const { return fields().maxValueLength; }
    void setMaxValueLength(const CProjectInt& length) { fields().maxValueLength = length; }

    virtual ICodeValueConstArrayHandle getCodeValues() const = 0;
    virtual ICodeValueArrayHandle getCodeValues() = 0;
    [[nodiscard]] virtual int addCodeValue(const ICodeValue& value) = 0;
    [[nodiscard]] virtual bool insertCodeValue(int index, const ICodeValue& value) = 0;
    [[nodiscard]] virtual bool removeCodeValue(int index) = 0;
    [[nodiscard]] virtual bool attachCodeValue(ICodeValueWritableHandle value, int index) = 0;
    [[nodiscard]] virtual ICodeValueWritableHandle detachCodeValue(const CCodeValueID& id) = 0;
    virtual void removeAllCodeValues() = 0;

protected:
    friend IDescribed<ICode>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ICodeHandle = CWrapperHandle<ICode>;
using ICodeWritableHandle = CWritableWrapperHandle<ICode>;
using ICodeArrayHandle = CWrapperArrayHandle<ICode, CCodeID, 0>;
using ICodeConstArrayHandle = CConstWrapperArrayHandle<ICode, CCodeID, 0>;
ZX_DECLARE_INTERFACE(ICode, CCodeID, 0);
