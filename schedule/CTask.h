// CTask: the stored task. It owns its supply chain, its embedded link and assignment collections
// and the pointer-held ones (sub-tasks, costs, assigned risks, task reports, notes), which stay
// null while empty. Sub-tasks move between parents without copying (attachSubTask and
// detachSubTask), so a moved sub-tree keeps its identity and its own children.
#pragma once

#include "basetypes/ITask.h"
#include "basetypes/ZxApi.h"
#include "records/CNote.h"
#include "schedule/CAssignedResource.h"
#include "schedule/CAssignedResourceGroup.h"
#include "schedule/CAssignedRisk.h"
#include "schedule/CCost.h"
#include "schedule/CLink.h"
#include "schedule/CSupplyChain.h"
#include "schedule/CTaskReport.h"
#include "store/COptionalObjectArray.h"
#include "store/CUniqueObjectPointerArray.h"

class ZX_API CTask : public CStored<CTask, ITask> {
public:
    CTask() = default;
    // Copies start from the same fields as a new task, without initialize(), and then copy.
    CTask(const CTask& other) : CStored<CTask, ITask>() { copyFrom(other); }
    CTask& operator=(const CTask& other) {
        copyFrom(other);
        return *this;
    }
    ~CTask() override;

    ISupplyChainHandle getSupplyChain() const override;

    ITaskConstArrayHandle getSubTasks() const override { return m_subTasks.handle(); }
    ITaskArrayHandle getSubTasks() override { return m_subTasks.handle(); }
    void setSubTasks(const ITaskConstArrayHandle& tasks) override;
    [[nodiscard]] int addSubTask(const ITask& task) override { return m_subTasks.add(task); }
    [[nodiscard]] bool insertSubTask(const ITask& task, int index) override;
    [[nodiscard]] bool changeSubTask(const ITask& task) override { return m_subTasks.change(task); }
    [[nodiscard]] bool removeSubTask(const CTaskID& id) override { return m_subTasks.remove(id); }
    void removeAllSubTasks() override { m_subTasks.reset(); }
    [[nodiscard]] bool changeSubTaskPosition(int from, int to) override {
        return m_subTasks.changePosition(from, to);
    }
    [[nodiscard]] bool attachSubTask(ITaskWritableHandle task, int index) override;
    [[nodiscard]] ITaskWritableHandle detachSubTask(const CTaskID& id) override {
        return m_subTasks.detach(id);
    }

    ILinkConstArrayHandle getUpstreamLinks() const override;
    ILinkArrayHandle getUpstreamLinks() override;
    void setUpstreamLinks(const ILinkConstArrayHandle& links) override;
    [[nodiscard]] int addUpstreamLink(const ILink& link) override {
        return m_upstreamLinks.Add(link);
    }
    [[nodiscard]] bool insertUpstreamLink(const ILink& link, int index) override {
        return m_upstreamLinks.InsertAt(index, link);
    }
    [[nodiscard]] bool changeUpstreamLink(const ILink& link) override {
        return m_upstreamLinks.changeElement(link);
    }
    [[nodiscard]] bool removeUpstreamLink(const CLinkID& id) override {
        return m_upstreamLinks.Remove(id);
    }
    void removeAllUpstreamLinks() override { m_upstreamLinks.RemoveAll(); }

    IAssignedResourceConstArrayHandle getAssignedResources() const override;
    IAssignedResourceArrayHandle getAssignedResources() override;
    void setAssignedResources(const IAssignedResourceConstArrayHandle& assignments) override;
    [[nodiscard]] int addAssignedResource(const IAssignedResource& assignment) override {
        return m_assignedResources.Add(assignment);
    }
    [[nodiscard]] bool insertAssignedResource(const IAssignedResource& assignment,
                                              int index) override {
        return m_assignedResources.InsertAt(index, assignment);
    }
    [[nodiscard]] bool changeAssignedResource(const IAssignedResource& assignment) override {
        return m_assignedResources.changeElement(assignment);
    }
    [[nodiscard]] bool removeAssignedResource(const CAssignedResourceID& id) override {
        return m_assignedResources.Remove(id);
    }
    void removeAllAssignedResources() override { m_assignedResources.RemoveAll(); }

    IAssignedResourceGroupConstArrayHandle getAssignedResourceGroups() const override;
    IAssignedResourceGroupArrayHandle getAssignedResourceGroups() override;
    void setAssignedResourceGroups(const IAssignedResourceGroupConstArrayHandle& groups) override;
    [[nodiscard]] int addAssignedResourceGroup(const IAssignedResourceGroup& group) override {
        return m_assignedResourceGroups.Add(group);
    }
    [[nodiscard]] bool insertAssignedResourceGroup(const IAssignedResourceGroup& group,
                                                   int index) override {
        return m_assignedResourceGroups.InsertAt(index, group);
    }
    [[nodiscard]] bool changeAssignedResourceGroup(const IAssignedResourceGroup& group) override {
        return m_assignedResourceGroups.changeElement(group);
    }
    [[nodiscard]] bool removeAssignedResourceGroup(const CAssignedResourceGroupID& id) override {
        return m_assignedResourceGroups.Remove(id);
    }
    void removeAllAssignedResourceGroups() override { m_assignedResourceGroups.RemoveAll(); }

    IAssignedRiskConstArrayHandle getAssignedRisks() const override {
        return m_assignedRisks.handle();
    }
    IAssignedRiskArrayHandle getAssignedRisks() override { return m_assignedRisks.handle(); }
    void setAssignedRisks(const IAssignedRiskConstArrayHandle& risks) override {
        m_assignedRisks.set(risks);
    }
    [[nodiscard]] int addAssignedRisk(const IAssignedRisk& risk) override {
        return m_assignedRisks.add(risk);
    }
    [[nodiscard]] bool insertAssignedRisk(const IAssignedRisk& risk, int index) override {
        return m_assignedRisks.insert(risk, index);
    }
    [[nodiscard]] bool changeAssignedRisk(const IAssignedRisk& risk) override {
        return m_assignedRisks.change(risk);
    }
    [[nodiscard]] bool removeAssignedRisk(const CAssignedRiskID& id) override {
        return m_assignedRisks.remove(id);
    }
    void removeAllAssignedRisks() override { m_assignedRisks.reset(); }

    ICostConstArrayHandle getCosts() const override { return m_costs.handle(); }
    ICostArrayHandle getCosts() override { return m_costs.handle(); }
    void setCosts(const ICostConstArrayHandle& costs) override;
    [[nodiscard]] int addCost(const ICost& cost) override;
    [[nodiscard]] bool insertCost(const ICost& cost, int index) override;
    [[nodiscard]] bool changeCost(const ICost& cost) override { return m_costs.change(cost); }
    [[nodiscard]] bool removeCost(const CCostID& id) override { return m_costs.remove(id); }
    void removeAllCosts() override { m_costs.reset(); }

    ITaskReportConstArrayHandle getTaskReports() const override { return m_taskReports.handle(); }
    ITaskReportArrayHandle getTaskReports() override { return m_taskReports.handle(); }
    [[nodiscard]] int addTaskReport(const ITaskReport& report) override {
        return m_taskReports.add(report);
    }
    [[nodiscard]] bool insertTaskReport(const ITaskReport& report, int index) override {
        return m_taskReports.insert(report, index);
    }
    [[nodiscard]] bool changeTaskReport(const ITaskReport& report) override {
        return m_taskReports.change(report);
    }
    [[nodiscard]] bool removeTaskReport(const CTaskReportID& id) override {
        return m_taskReports.remove(id);
    }
    void removeAllTaskReports() override { m_taskReports.reset(); }

    INoteConstArrayHandle getNotes() const override { return m_notes.handle(); }
    INoteArrayHandle getNotes() override { return m_notes.handle(); }
    void setNotes(const INoteConstArrayHandle& notes) override { m_notes.set(notes); }
    [[nodiscard]] int addNote(const INote& note) override { return m_notes.add(note); }
    [[nodiscard]] bool insertNote(const INote& note, int index) override {
        return m_notes.insert(note, index);
    }
    [[nodiscard]] bool changeNote(const INote& note) override { return m_notes.change(note); }
    [[nodiscard]] bool removeNote(const CNoteID& id) override { return m_notes.remove(id); }
    void removeAllNotes() override { m_notes.reset(); }
    void setComments(const CString& text) override;

private:
    ISupplyChainWritableHandle getWritableSupplyChain() override;
    void allocateSubTasks() override { m_subTasks.ensure(); }
    void allocateCosts() override { m_costs.ensure(); }
    void allocateAssignedRisks() override { m_assignedRisks.ensure(); }
    void allocateTaskReports() override { m_taskReports.ensure(); }
    void allocateNotes() override { m_notes.ensure(); }

    CSupplyChain m_supplyChain;
    CAssignedResourceArray m_assignedResources;
    CAssignedResourceGroupArray m_assignedResourceGroups;
    CLinkArray m_upstreamLinks;
    COptionalObjectArray<ITask, CTask, CTaskID> m_subTasks;
    COptionalObjectArray<ICost, CCost, CCostID> m_costs;
    COptionalObjectArray<IAssignedRisk, CAssignedRisk, CAssignedRiskID> m_assignedRisks;
    COptionalObjectArray<ITaskReport, CTaskReport, CTaskReportID> m_taskReports;
    COptionalObjectArray<INote, CNote, CNoteID, 1> m_notes;
};

using CTaskArray = CUniqueObjectPointerArray<ITask, CTask, CTaskID>;
using CTaskHandle = CBasicHandle<ITask, CTask>;
using CTaskWritableHandle = CWritableBasicHandle<ITask, CTask>;
using CTaskArrayHandle = CBasicArrayHandle<ITask, CTask, CTaskID, 0>;
ZX_DECLARE_KIND(ITask, CTask, CTaskID, 0);
