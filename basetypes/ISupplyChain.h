// ISupplyChain: who supplies a task and for whom it is done (companies by ID). Tasks embed one;
// it has an identity of its own so that supply chains can be told apart across projects.
#pragma once

#include "basetypes/CCompactValue.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/IDArrays.h"

class ZX_API ISupplyChain : public IDescribed<ISupplyChain> {
public:
    static constexpr const char* s_kindName = "SupplyChain";

    struct Fields {
        CSupplyChainID id;
        CCompanyID supplierID;
        // Most supply chains, like the empty one every task holds, have no customers.
        CCompactValue<CCompanyIDArray> customerIDs;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("SupplierID", &Fields::supplierID);
        v.field("CustomerIDs", &Fields::customerIDs);
    }

    const CSupplyChainID& getID() const { return fields().id; }
    void setID(const CSupplyChainID& id) { fields().id = id; }
    const CCompanyID& getSupplierID() const { return fields().supplierID; }
    void setSupplierID(const CCompanyID& id) { fields().supplierID = id; }
    const CCompanyIDArray& getCustomerIDs() const { return fields().customerIDs.get(); }
    void setCustomerIDs(const CCompanyIDArray& ids) { fields().customerIDs.set(ids); }
    [[nodiscard]] int addCustomerID(const CCompanyID& id) {
        return fields().customerIDs.modify([&](CCompanyIDArray& ids) { return ids.Add(id); });
    }
    [[nodiscard]] bool removeCustomerID(const CCompanyID& id) {
        return fields().customerIDs.modify(
            [&](CCompanyIDArray& ids) { return ids.removeByID(id); });
    }

protected:
    friend IDescribed<ISupplyChain>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using ISupplyChainHandle = CWrapperHandle<ISupplyChain>;
using ISupplyChainWritableHandle = CWritableWrapperHandle<ISupplyChain>;
ZX_DECLARE_INTERFACE(ISupplyChain, CSupplyChainID, 0);
