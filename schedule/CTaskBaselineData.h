// CTaskBaselineData: the stored baseline record of one task and the copies of its upstream links
// it owns. It fills itself from the calculation services (storeBaselineData) and keeps its links,
// their delay endpoints and the critical link IDs in step as links come and go.
#pragma once

#include "basetypes/ITaskBaselineData.h"
#include "basetypes/ZxApi.h"
#include "schedule/CLink.h"
#include "store/ArrayHandles.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CTaskBaselineData : public CStored<CTaskBaselineData, ITaskBaselineData> {
public:
    CTaskBaselineData() = default;

    ILinkConstArrayHandle getUpstreamLinks() const override {
        return ILinkConstArrayHandle::over(&m_upstreamLinks);
    }
    ILinkArrayHandle getUpstreamLinks() override {
        return ILinkArrayHandle::over(&m_upstreamLinks);
    }

    void storeBaselineData(IProjectBaseline& baseline, const ITask& task,
                           const IProjectAccessor* accessor, bool scheduledDates) override;
    void removeLinks(const CTaskID& predecessor) override;
    void addUpstreamLink(const ILink& link, const IProjectAccessor& accessor,
                         bool scheduledDates) override;

private:
    void removeAllLinks() override;

    CLinkArray m_upstreamLinks;
};

using CTaskBaselineDataArray =
    CUniqueObjectPointerArray<ITaskBaselineData, CTaskBaselineData, CTaskID>;
using CTaskBaselineDataHandle = CBasicHandle<ITaskBaselineData, CTaskBaselineData>;
using CTaskBaselineDataWritableHandle = CWritableBasicHandle<ITaskBaselineData, CTaskBaselineData>;
using CTaskBaselineDataArrayHandle =
    CBasicArrayHandle<ITaskBaselineData, CTaskBaselineData, CTaskID, 0>;
ZX_DECLARE_KIND(ITaskBaselineData, CTaskBaselineData, CTaskID, 0);
