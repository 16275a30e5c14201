// IProjectBaseline: one named snapshot of the schedule: who made it and when, and one
// ITaskBaselineData per baselined task, keyed by task ID.
//
// The baseline owns its task records. They are created by baselineTask (or inserted whole when
// loading or copying), refreshed by a repeated baselineTask and removed by unBaselineTask or
// removeTaskFromProjectBaseline; removing a task also takes its links out of every other record.
//
// Defaults of a new baseline (initialize): IDs unset, texts empty, times unset, colour black, no
// task records. The last-modified time and user are kept as loaded; nothing here sets them.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/CProjectString.h"
#include "basetypes/CProjectTime.h"
#include "basetypes/IDescribed.h"
#include "basetypes/IProjectAccessor.h"
#include "basetypes/ITask.h"
#include "basetypes/ITaskBaselineData.h"
#include "basetypes/KindTemplates.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"
#include "store/ArrayHandles.h"

class ZX_API IProjectBaseline : public IDescribed<IProjectBaseline> {
public:
    static constexpr const char* s_kindName = "ProjectBaseline";

    struct Fields {
        CProjectBaselineID id;
        CProjectString name;
        CProjectColorRGB color;
        CCompanyID companyID;
        CCodeValueID baselineCodeID;
        CProjectTime creationTime;
        CProjectString originatingUser;
        CProjectTime lastModifiedTime;
        CProjectString lastModifiedUser;
    };
    template <class V>
    static void describeFields(V& v) {
        v.id("ID", &Fields::id);
        v.field("Name", &Fields::name);
        v.field("Color", &Fields::color);
        v.field("CompanyID", &Fields::companyID);
        v.field("BaselineCodeID", &Fields::baselineCodeID);
        v.field("CreationTime", &Fields::creationTime);
        v.field("OriginatingUser", &Fields::originatingUser);
        v.field("LastModifiedTime", &Fields::lastModifiedTime);
        v.field("LastModifiedUser", &Fields::lastModifiedUser);
        v.collection("BaselinedTasks", &IProjectBaseline::getBaselinedTasks,
                     &IProjectBaseline::getBaselinedTasks);
    }

    const CProjectBaselineID& getID() const { return fields().id; }
    void setID(const CProjectBaselineID& id) { fields().id = id; }
    const CProjectString& getName() const { return fields().name; }
    void setName(const CString& name) { fields().name = name; }
    const CProjectColorRGB& getColor() const { return fields().color; }
    void setColor(const CProjectColorRGB& color) { fields().color = color; }
    const CCompanyID& getCompanyID() const { return fields().companyID; }
    void setCompanyID(const CCompanyID& id) { fields().companyID = id; }
    const CProjectTime& getCreationTime() const { return fields().creationTime; }
    void setCreationTime(const CProjectTime& time) { fields().creationTime = time; }
    const CProjectString& getOriginatingUser() const { return fields().originatingUser; }
    void setOriginatingUser(const CString& user) { fields().originatingUser = user; }
    const CProjectTime& getLastModifiedTime() const { return fields().lastModifiedTime; }
    const CProjectString& getLastModifiedUser() const { return fields().lastModifiedUser; }
    const CCodeValueID& getBaselineCodeID() const { return fields().baselineCodeID; }
    void setBaselineCodeID(const CCodeValueID& id) { fields().baselineCodeID = id; }

    virtual ITaskBaselineDataConstArrayHandle getBaselinedTasks() const = 0;
    virtual ITaskBaselineDataArrayHandle getBaselinedTasks() = 0;
    // The record of this task, or an empty handle. A keyed lookup, however the records were
    // added.
    virtual ITaskBaselineDataHandle findBaselinedTask(const CTaskID& id) const = 0;
    [[nodiscard]] virtual ITaskBaselineDataWritableHandle findBaselinedTask(const CTaskID& id) = 0;

    // Records the task (refreshing its record when it has one) unless it cannot be baselined.
    // scheduledDates takes planned dates and floats from the critical-path calculation instead of
    // the task accessor. A null accessor adds a record of default values for a new task.
    virtual void baselineTask(const ITask& task, const IProjectAccessor* accessor,
                              bool scheduledDates) = 0;
    // Removes the task's record and every other record's links from it.
    virtual void unBaselineTask(const ITask& task) = 0;
    // True when a record with this ID was removed; other records keep their links.
    [[nodiscard]] virtual bool removeTaskFromProjectBaseline(const CTaskID& id) = 0;
    // Stores a copy at index (0 to count). False for an index outside that range or a task ID
    // already present.
    [[nodiscard]] virtual bool insertTaskIntoProjectBaseline(const ITaskBaselineData& data,
                                                             int index) = 0;

protected:
    friend IDescribed<IProjectBaseline>;
    virtual Fields& fields() = 0;
    virtual const Fields& fields() const = 0;
};

using IProjectBaselineHandle = CWrapperHandle<IProjectBaseline>;
using IProjectBaselineWritableHandle = CWritableWrapperHandle<IProjectBaseline>;
using IProjectBaselineArrayHandle = CWrapperArrayHandle<IProjectBaseline, CProjectBaselineID, 0>;
using IProjectBaselineConstArrayHandle =
    CConstWrapperArrayHandle<IProjectBaseline, CProjectBaselineID, 0>;
ZX_DECLARE_INTERFACE(IProjectBaseline, CProjectBaselineID, 0);
