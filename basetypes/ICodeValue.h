// ICodeValue: one value of an activity code; values form a tree below their code, every node
// owning its children.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectString.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ICodeValue;
using ICodeValueHandle = CWrapperHandle<ICodeValue>;
using ICodeValueWritableHandle = CWritableWrapperHandle<ICodeValue>;
using ICodeValueArrayHandle = CWrapperArrayHandle<ICodeValue, CCodeValueID, 0>;
using ICodeValueConstArrayHandle = CConstWrapperArrayHandle<ICodeValue, CCodeValueID, 0>;
ZX_DECLARE_INTERFACE(ICodeValue, CCodeValueID, 0);

class ZX_API ICodeValue : public IDescribed<ICodeValue> {
public:
    static constexpr const char* s_kindName = "CodeValue";

    struct Fields {
        CCodeValueID id;
        CProjectColorRGB barColor = CProjectColorRGB::white();
        CProjectString name;
        CProjectString description;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("BarColor", &Fields::barColor);
        v.field("Name", &Fields::name);
        v.field("Description", &Fields::description);
        v.collection("SubCodeValues", &ICodeValue::getSubCodeValues, &ICodeValue::getSubCodeValues);
    }

    const CCodeValueID& getID() const { return fields().id; }
    void setID(const CCodeValueID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectColorRGB& getBarColor() const { return fields().barColor; }
    void setBarColor(const CProjectColorRGB& color) { fields().barColor = color; }

    virtual ICodeValueConstArrayHandle getSubCodeValues() const = 0;
    virtual ICodeValueArrayHandle getSubCodeValues() = 0;
    [[nodiscard]] virtual int addSubCodeValue(const ICodeValue& value) = 0;
    [[nodiscard]] virtual bool insertSubCodeValue(const ICodeValue& value, int index) = 0;
    [[nodiscard]] virtual bool removeSubCodeValue(int index) = 0;
    [[nodiscard]] virtual bool attachSubCodeValue(ICodeValueWritableHandle value, int index) = 0;
    [[nodiscard]] virtual ICodeValueWritableHandle detachSubCodeValue(const CCodeValueID& id) = 0;

protected:
    friend IDescribed<ICodeValue>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};
