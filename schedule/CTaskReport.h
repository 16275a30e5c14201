// CTaskReport: a stored task report and the costs it owns.
#pragma once

#include "basetypes/ITaskReport.h"
#include "basetypes/ZxApi.h"
#include "schedule/CCost.h"
#include "store/CollectionOps.h"

class ZX_API CTaskReport : public CStored<CTaskReport, ITaskReport> {
public:
    CTaskReport() = default;

    ICostConstArrayHandle getCosts() const override {
        return ICostConstArrayHandle::over(&m_costs);
    }
    ICostArrayHandle getCosts() override { return ICostArrayHandle::over(&m_costs); }
    void addCost(const ICost& cost) override { (void)m_costs.Add(cost); }
    [[nodiscard]] bool changeCost(const ICost& cost) override {
        return m_costs.changeElement(cost);
    }
    // The interface reports nothing: removing an absent cost leaves the report as it is.
    void removeCost(const CCostID& id) override { (void)removeByIDKeepingSort(m_costs, id); }
    void removeAllCosts() override { m_costs.RemoveAll(); }

private:
    CCostArray m_costs;
};

using CTaskReportArray = CUniqueObjectPointerArray<ITaskReport, CTaskReport, CTaskReportID>;
using CTaskReportHandle = CBasicHandle<ITaskReport, CTaskReport>;
using CTaskReportWritableHandle = CWritableBasicHandle<ITaskReport, CTaskReport>;
using CTaskReportArrayHandle = CBasicArrayHandle<ITaskReport, CTaskReport, CTaskReportID, 0>;
ZX_DECLARE_KIND(ITaskReport, CTaskReport, CTaskReportID, 0);
