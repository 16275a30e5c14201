// CRisk: a stored risk and the sub-risks it owns. The sub-risk collection is allocated on first
// insertion (or by allocateSubRisks) and freed as soon as a removal empties it.
#pragma once

#include "basetypes/IRisk.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CRisk;
using CRiskArray = CUniqueObjectPointerArray<IRisk, CRisk, CRiskID>;
using CRiskHandle = CBasicHandle<IRisk, CRisk>;
using CRiskWritableHandle = CWritableBasicHandle<IRisk, CRisk>;
using CRiskArrayHandle = CBasicArrayHandle<IRisk, CRisk, CRiskID, 0>;

class ZX_API CRisk : public CStored<CRisk, IRisk> {
public:
    CRisk();
    CRisk(const CRisk& other);
    CRisk& operator=(const CRisk& other);
    ~CRisk() override;

    IRiskConstArrayHandle getSubRisks() const override { return m_subRisks.handle(); }
    IRiskArrayHandle getSubRisks() override { return m_subRisks.handle(); }
    [[nodiscard]] int addSubRisk(const IRisk& risk) override { return m_subRisks.add(risk); }
    [[nodiscard]] bool insertSubRisk(const IRisk& risk, int index) override {
        return m_subRisks.insert(risk, index);
    }
    [[nodiscard]] bool removeSubRisk(const CRiskID& id, bool recursive) override;
    void removeAllSubRisks() override { m_subRisks.reset(); }
    [[nodiscard]] IRiskWritableHandle findTargetSubRisk(const CRiskID& id) override;
    void allocateSubRisks() override { m_subRisks.ensure(); }

private:
    COptionalObjectArray<IRisk, CRisk, CRiskID> m_subRisks;
};

ZX_DECLARE_KIND(IRisk, CRisk, CRiskID, 0);
