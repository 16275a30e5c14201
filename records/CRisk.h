// CRisk: a stored risk and the sub-risks it owns. The sub-risk collection is allocated on first
// insertion (or by allocateSubRisks) and freed as soon as a removal empties it.
#pragma once

#include <memory>

#include "basetypes/IRisk.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class CRisk;
using CRiskArray = CUniqueObjectPointerArray<IRisk, CRisk, CRiskID>;
using CRiskHandle = CBasicHandle<IRisk, CRisk>;
using CRiskWritableHandle = CWritableBasicHandle<IRisk, CRisk>;
using CRiskArrayHandle = CBasicArrayHandle<IRisk, CRisk, CRiskID, 0>;

class CRisk : public CStored<CRisk, IRisk> {
public:
    CRisk();
    CRisk(const CRisk& other);
    CRisk& operator=(const CRisk& other);
    ~CRisk() override;

    IRiskArrayHandle getSubRisks() const override;
    int addSubRisk(const IRisk& risk) override;
    bool insertSubRisk(const IRisk& risk, int index) override;
    bool removeSubRisk(const CRiskID& id, bool recursive) override;
    void removeAllSubRisks() override;
    IRiskWritableHandle findTargetSubRisk(const CRiskID& id) override;
    void allocateSubRisks() override;

private:
    // Frees the collection once nothing is left in it.
    void freeSubRisksIfEmpty();

    std::unique_ptr<CRiskArray> m_subRisks;
};

template <>
struct ConcreteKind<IRisk> {
    using type = CRisk;
};
