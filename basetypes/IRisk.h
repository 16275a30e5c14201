// IRisk: a project risk and the tree of sub-risks below it. Every risk owns its sub-risks; the
// sub-risk collection exists only while it has entries, so a leaf risk costs one null pointer.
#pragma once

#include "basetypes/CProjectString.h"
#include "basetypes/CZentrixEnumeration.h"
#include "basetypes/IDescribed.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IRisk;
using IRiskHandle = CWrapperHandle<IRisk>;
using IRiskWritableHandle = CWritableWrapperHandle<IRisk>;
using IRiskArrayHandle = CWrapperArrayHandle<IRisk, CRiskID, 0>;
using IRiskConstArrayHandle = CConstWrapperArrayHandle<IRisk, CRiskID, 0>;
ZX_DECLARE_INTERFACE(IRisk, CRiskID, 0);

class ZX_API IRisk : public IDescribed<IRisk> {
public:
    static constexpr const char* s_kindName = "Risk";

    struct Fields {
        CRiskID id;
        CProjectString description;
        CRiskValueMode valueMode;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Description", &Fields::description);
        v.field("ValueMode", &Fields::valueMode);
        v.optionalCollection("SubRisks", &IRisk::getSubRisks, &IRisk::getSubRisks,
                             &IRisk::allocateSubRisks, &IRisk::removeAllSubRisks);
    }

    const CRiskID& getID() const { return fields().id; }
    void setID(const CRiskID& id) { fields().id = id; }
    const CProjectString& getDescription() const { return fields().description; }
    void setDescription(const CString& text) { fields().description = text; }
    const CRiskValueMode& getValueMode() const { return fields().valueMode; }
    void setValueMode(const CRiskValueMode& mode) { fields().valueMode = mode; }

    // An empty handle while the risk has no sub-risks.
    virtual IRiskConstArrayHandle getSubRisks() const = 0;
    virtual IRiskArrayHandle getSubRisks() = 0;
    // Position of the stored copy, or -1 when a sub-risk with that ID is present.
    [[nodiscard]] virtual int addSubRisk(const IRisk& risk) = 0;
    // False for an index outside 0..count or an ID already present.
    [[nodiscard]] virtual bool insertSubRisk(const IRisk& risk, int index) = 0;
    // Removes the direct sub-risk with this ID or, when recursive, the first one found depth
    // first anywhere below. A collection the removal empties is freed.
    [[nodiscard]] virtual bool removeSubRisk(const CRiskID& id, bool recursive) = 0;
    // Frees the sub-risk collection and every risk in it.
    virtual void removeAllSubRisks() = 0;
    // This risk when the ID is its own, else the first match depth first below it, else a null
    // handle.
    [[nodiscard]] virtual IRiskWritableHandle findTargetSubRisk(const CRiskID& id) = 0;
    // Creates the (empty) sub-risk collection if there is none.
    virtual void allocateSubRisks() = 0;

protected:
    friend IDescribed<IRisk>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};
