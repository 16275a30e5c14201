// ICost: one amount with a description, a type and a cost account (a code value).
#pragma once

#include "basetypes/CProjectScalar.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API ICost : public IDescribed<ICost> {
public:
    static constexpr const char* s_kindName = "Cost";

    struct Fields {
        CCostID id;
        CCodeValueID costAccountID;
        CProjectString description;
        CProjectDouble amount = 0.0;
        CCostType type;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("CostAccountID", &Fields::costAccountID);
        v.field("Description", &Fields::description);
        v.field("Amount", &Fields::amount);
        v.field("Type", &Fields::type);
    }

    const CCostID& getID() const { return fields().id; }
    void setID(const CCostID& id) { fields().id = id; }
    const CCodeValueID& getCostAccountID() const { return fields().costAccountID; }
    void setCostAccountID(const CCodeValueID& id) { fields().costAccountID = id; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CProjectDouble& getAmount() const { return fields().amount; }
    void setAmount(const CProjectDouble& amount) { fields().amount = amount; }
    const CCostType& getType() const { return fields().type; }
    void setType(const CCostType& type) { fields().type = type; }

protected:
    friend IDescribed<ICost>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ICostHandle = CWrapperHandle<ICost>;
using ICostWritableHandle = CWritableWrapperHandle<ICost>;
using ICostArrayHandle = CWrapperArrayHandle<ICost, CCostID, 0>;
using ICostConstArrayHandle = CConstWrapperArrayHandle<ICost, CCostID, 0>;
ZX_DECLARE_INTERFACE(ICost, CCostID, 0);
