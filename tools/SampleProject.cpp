#include "SampleProject.h"

#include "FilledObject.h"
#include "ObjectWalk.h"
#include "SampleCalculation.h"

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <type_traits>
#include <typeindex>
#include <vector>

namespace {

class Maker {
public:
    explicit Maker(std::uint64_t seed) : m_random(seed) {}

    template <class ID>
    ID id() {
        GUID guid;
        for (auto& byte : guid) byte = static_cast<std::uint8_t>(m_random());
        return ID(guid);
    }
    int below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    CString text(const wchar_t* prefix, int number) {
        return CString(std::wstring(prefix) + L" " + std::to_wstring(number));
    }

private:
    std::mt19937_64 m_random;
};

// What objects built later refer to among those built before: the values of the cost account
// codes, the documents and the paths. A reference with nothing to name is the null ID.
struct Targets {
    std::vector<CCodeValueID> costAccounts;
    std::vector<CDocumentFileID> documents;
    std::vector<CPathID> paths;
    std::vector<CUseProfileID> useProfiles;
    std::vector<CSpatialUseProfileID> spatialUseProfiles;
    std::vector<CEntity3DID> entities;

    template <class ID>
    static ID pick(const std::vector<ID>& ids, int number) {
        return ids.empty() ? ID(CIDBase::getNullGUID())
                           : ids[static_cast<std::size_t>(number) % ids.size()];
    }
};

CCodeValue makeCodeValue(Maker& make, int number, int depth) {
    CCodeValue value;
    value.setID(make.id<CCodeValueID>());
    value.setName(make.text(L"Value", number));
    value.setDescription(make.text(L"Area of zone", number));
    value.setBarColor(CProjectColorRGB(static_cast<std::uint32_t>(make.below(0xFFFFFF))));
    if (depth > 0) {
        for (int i = 0; i < 2; ++i)
            (void)value.addSubCodeValue(makeCodeValue(make, number * 10 + i, depth - 1));
    }
    return value;
}

CCost makeCost(Maker& make, int number, const Targets& targets) {
    CCost cost;
    cost.setID(make.id<CCostID>());
    cost.setCostAccountID(Targets::pick(targets.costAccounts, number));
    cost.setDescription(make.text(L"Cost item", number));
    cost.setAmount(100.0 + make.below(100000) / 100.0);
    cost.setType(static_cast<CostType>(make.below(CCostType::s_count)));
    return cost;
}

CNote makeNote(Maker& make, const wchar_t* text, int number) {
    CNote note;
    note.setID(make.id<CNoteID>());
    note.setSubject(make.text(L"Site meeting", number));
    note.setText(make.text(text, number));
    note.setCreatedUserID(make.id<CUserID>());
    note.setUpdatedUserID(note.getCreatedUserID());
    note.setCreatedTimestamp(CProjectTime(1'767'225'600'000LL + 3'600'000LL * number));
    note.setUpdatedTimestamp(note.getCreatedTimestamp());
    return note;
}

CDocumentFile makeDocument(Maker& make, int number) {
    CDocumentFile document;
    document.setID(make.id<CDocumentFileID>());
    document.setFileName(make.text(L"drawing", number) + L".pdf");
    document.setDescription(make.text(L"Reinforcement layout, level", number));
    document.setDocumentCode(make.text(L"DWG-S", 100 + number));
    document.setTime(CProjectTime(1'767'225'600'000LL + 86'400'000LL * number));
    document.setUserID(make.id<CUserID>());
    document.setExternalDocument(number % 3 == 0);
    if (number % 3 == 0) document.setURL(make.text(L"https://docs.example/site/dwg", number));
    return document;
}

CRisk makeRisk(Maker& make, int number, int depth) {
    CRisk risk;
    risk.setID(make.id<CRiskID>());
    risk.setDescription(make.text(L"Late delivery of precast units, batch", number));
    risk.setValueMode(static_cast<RiskValueMode>(number % CRiskValueMode::s_count));
    if (depth > 0)
        for (int i = 0; i < 2; ++i)
            (void)risk.addSubRisk(makeRisk(make, number * 10 + i, depth - 1));
    return risk;
}

CRule makeRule(Maker& make, int number, int depth) {
    CRule rule;
    rule.setID(make.id<CRuleID>());
    rule.setRuleCode(make.text(L"R", 100 + number));
    rule.setDescription(make.text(L"Overtime rate, crew", number));
    rule.setRate(CProjectDouble(40.0 + number % 20));
    rule.setUnit(ResourceUnitType::Hour);
    for (int r = 0; r < 2; ++r)
        (void)rule.addEffectiveRate(
            CRuleRate(CProjectDate::fromYMD(2026 + r, 1, 1), CProjectDouble(40.0 + 5 * r),
                      CProjectDouble(320.0 + 40 * r)),
            -1);
    if (depth > 0)
        for (int i = 0; i < 2; ++i)
            (void)rule.addSubRule(makeRule(make, number * 10 + i, depth - 1), -1);
    return rule;
}

// A site calendar: the default week with a half-day Saturday, the site's holidays, and a night
// shift whose blocks are given out of order and overlapping, as a planner might type them.
CCalendar makeCalendar(Maker& make, int number) {
    CCalendar calendar;
    calendar.setID(make.id<CCalendarID>());
    calendar.setName(make.text(L"Site calendar", number));
    const CCalendarDayTypeID nonWorking = calendar.getCalendarWeek().getDayTypeID(1);

    CCalendarDayType halfDay;
    halfDay.setID(make.id<CCalendarDayTypeID>());
    halfDay.setDescription(L"Half day");
    halfDay.setColor(CProjectColorRGB(0xA0C0E0));
    halfDay.setTimeBlock(0,
                         CProjectTimeOfDaySpan(CProjectTimeOfDay(7, 0), CProjectTimeOfDay(12, 0)));
    calendar.addCalendarDayType(halfDay);
    CCalendarWeek week = calendar.getCalendarWeek();
    week.setDayTypeID(CCalendarWeek::getSize(), halfDay.getID());
    calendar.setCalendarWeek(week);

    for (const auto& [month, day] : {std::pair{1, 1}, {5, 1}, {12, 25}, {12, 26}})
        (void)calendar.addCalendarException(
            CCalendarException(nonWorking, CProjectDate::fromYMD(2026 + number % 2, month, day)),
            -1);

    CCalendar night;
    night.setID(make.id<CCalendarID>());
    night.setName(make.text(L"Night shift", number));
    CCalendarDayType shift;
    shift.setID(make.id<CCalendarDayTypeID>());
    shift.setDescription(L"Night");
    shift.setTimeBlock(0,
                       CProjectTimeOfDaySpan(CProjectTimeOfDay(22, 0), CProjectTimeOfDay(24, 0)));
    shift.setTimeBlock(1, CProjectTimeOfDaySpan(CProjectTimeOfDay(0, 0), CProjectTimeOfDay(4, 0)));
    shift.setTimeBlock(2, CProjectTimeOfDaySpan(CProjectTimeOfDay(3, 30), CProjectTimeOfDay(6, 0)));
    shift.validateTimeBlocks();
    night.addCalendarDayType(shift);
    CCalendarWeek nights = night.getCalendarWeek();
    for (int day = 2; day <= 6; ++day) nights.setDayTypeID(day, shift.getID());
    night.setCalendarWeek(nights);
    calendar.addSubCalendar(night);
    return calendar;
}

// The history of one resource state: five inspections, added out of time order.
CRSHistory makeHistory(Maker& make, const std::vector<CResourceStateID>& states, int number) {
    CRSHistory history;
    history.setID(states[static_cast<std::size_t>(number) % states.size()]);
    history.setGroupID(states.front());
    for (int k = 0; k < 5; ++k) {
        CRSHistoryItem item;
        item.setID(make.id<CResourceStateHistoryItemID>());
        // Added out of time order: the history sorts them.
        item.setTime(CProjectTime(1'767'254'400'000LL + 86'400'000LL * ((k * 3) % 5)));
        item.setRecordTime(CProjectTime(1'767'254'400'000LL));
        item.setStatusID(states[static_cast<std::size_t>(number + k) % states.size()]);
        item.setCritical(k == 4);
        item.setUserID(make.id<CUserID>());
        item.setNote(make.text(L"Inspected on site, shift", k));
        (void)history.Add(item);
    }
    return history;
}

CResourceRate makeRate(Maker& make, int number, int year, const Targets& targets) {
    CResourceRate rate;
    rate.setID(make.id<CResourceRateID>());
    rate.setEffectiveDate(CProjectDate::fromYMD(year, 1, 1));
    rate.setUseRatePerDay(8);
    for (int c = 0; c < 2; ++c) (void)rate.addCost(makeCost(make, number * 2 + c, targets));
    return rate;
}

// A crew, machine, supply or area with its rates for two years, the history of one resource
// state, a site calendar and a rule; every other one has a member of its own (a sub-resource).
CResource makeResource(Maker& make, int number, const SampleProject& project,
                       const std::vector<CResourceStateID>& states, const Targets& targets) {
    static constexpr const wchar_t* names[] = {L"Concrete crew", L"Tower crane", L"Ready-mix",
                                               L"Laydown area", L"Steel fixers"};
    static constexpr ResourceType types[] = {ResourceType::Labour, ResourceType::Equipment,
                                             ResourceType::Material, ResourceType::Space,
                                             ResourceType::Labour};
    CResource resource;
    resource.setID(make.id<CResourceID>());
    resource.setName(make.text(names[number % 5], number));
    resource.setResourceCode(make.text(L"RES-", 100 + number));
    resource.setType(types[number % 5]);
    resource.setResourceUnitType(ResourceUnitType::CubicMetre);
    resource.setResourceUtilizationLimit(1.0 + number % 3);
    resource.setUnitsOfWorkspaceRequiredByOneUnit(DistanceUnitType::Metre);
    resource.setValueOfWorkspaceRequiredByOneUnit(12.0);
    resource.setLeadTime(CProjectDuration(86'400'000LL * (number % 4)));
    resource.setPresentationColor(0x3080C0UL + static_cast<unsigned long>(number));
    resource.setRenewableResource(number % 5 != 2);
    (void)resource.addSupplierReference(make.text(L"PO-", 4000 + number));
    const auto& calendars = project.get<CCalendarRoot>().getArray();
    if (calendars.GetSize() > 0)
        resource.setCalendarID(CCalendarID(calendars.getID(number % calendars.GetSize())));
    const auto& rules = project.get<CRuleRoot>().getArray();
    if (rules.GetSize() > 0) resource.setRuleID(CRuleID(rules.getID(number % rules.GetSize())));
    for (int r = 0; r < 2; ++r)
        (void)resource.addResourceRate(makeRate(make, number * 2 + r, 2026 + r, targets), -1);
    if (!states.empty()) (void)resource.addHistory(makeHistory(make, states, number), -1);
    if (number % 2 == 0) {
        CResource member;
        member.setID(make.id<CResourceID>());
        member.setName(make.text(L"Operator", number));
        member.setType(ResourceType::Labour);
        (void)member.addResourceRate(makeRate(make, 5000 + number, 2026, targets), -1);
        (void)resource.addSubResource(member);
    }
    if (number % 5 == 0)
        (void)resource.addNote(makeNote(make, L"Certified for work at height", number));
    const auto& fields = project.get<CUserFieldRoot>().getArray();
    if (fields.GetSize() > 0) {
        CProjectVariant value;
        value.setInteger(number);
        (void)resource.addUserFieldValue(
            CUserFieldValue(fields.getConstReference(number % fields.GetSize()).getID(), value),
            -1);
    }
    return resource;
}

// A work package of five consecutive resources with its responsible people.
CResourceGroup makeResourceGroup(Maker& make, int number, const SampleProject& project,
                                 const Targets& targets) {
    CResourceGroup group;
    group.setID(make.id<CResourceGroupID>());
    group.setName(make.text(L"Work package", number));
    group.setResourceGroupCode(make.text(L"WP-", 10 + number));
    group.setType(static_cast<PackageType>(number % CPackageType::s_count));
    group.setStatus(static_cast<PackageStatus>(number % CPackageStatus::s_count));
    group.setContractorID(make.id<CCompanyID>());
    group.setActivityTypeID(Targets::pick(targets.useProfiles, number));
    const auto& resources = project.get<CResourceRoot>().getArray();
    if (resources.GetSize() > 0) {
        for (int m = 0; m < 5; ++m)
            (void)group.addToResourceGroup(
                CResourceID(resources.getID((number * 5 + m) % resources.GetSize())));
        group.setForemanID(CResourceID(resources.getID((number * 5) % resources.GetSize())));
        group.setPlannerID(CResourceID(resources.getID((number * 5 + 1) % resources.GetSize())));
    }
    if (number % 2 == 0)
        (void)group.addNote(makeNote(make, L"Weekly coordination on Tuesdays", number));
    return group;
}

CResourceState makeResourceState(Maker& make, int number, bool withSubStates) {
    CResourceState state;
    state.setID(make.id<CResourceStateID>());
    state.setName(make.text(withSubStates ? L"Crane status" : L"Delivered", number));
    state.setColor(CProjectColorRGB(static_cast<std::uint32_t>(make.below(0xFFFFFF))));
    state.setTransparency(make.below(80));
    state.setUseOriginalTransparency(number % 2 == 0);
    state.setType(withSubStates ? RSType::Group : RSType::State);
    if (withSubStates)
        for (int i = 0; i < 2; ++i)
            (void)state.insertSubState(makeResourceState(make, number * 10 + i, false), i);
    return state;
}

// A leaf activity: dates, progress, links to the activities before it, assignments, costs,
// reports, notes, code values, documents and user field values, each on some of the leaves.
CTask makeActivity(Maker& make, int number, const SampleProject& project,
                   const std::vector<CTaskID>& earlier, const Targets& targets) {
    CTask task;
    task.setID(make.id<CTaskID>());
    task.setName(make.text(L"Pour and cure slab segment", number));
    task.setTaskCode(make.text(L"A", 1000 + number));
    const long long day = 86'400'000LL;
    const long long start = 1'767'254'400'000LL + day * number;
    task.setPlannedStartTime(CProjectTime(start));
    task.setTaskDuration(CProjectDuration(day * (1 + number % 5)));
    task.setTaskRemainingDuration(CProjectDuration(day * (number % 3)));
    task.setDurationType(static_cast<DurationType>(number % CDurationType::s_count));
    task.setProgressType(static_cast<ProgressType>(number % CProgressType::s_count));
    task.setManualPercentComplete(number % 101);
    task.setPhysicalVolume(12.5 * (1 + number % 8));
    task.setPhysicalVolumeUnit(ResourceUnitType::CubicMetre);
    const auto& states = project.get<CTaskStateRoot>().getArray();
    if (number % 4 == 0 && states.GetSize() > 0) {
        task.setActualStartTime(CProjectTime(start + 3'600'000LL));
        task.setStatus(CTaskStateID(states.getID(number % states.GetSize())),
                       TaskStatus::InProgress);
    }
    CTaskConstraint constraint;
    if (number % 9 == 0) {
        constraint.setType(TaskConstraintType::StartOnOrAfter);
        constraint.setEarlyDate(CProjectTime(start));
    }
    task.setConstraint(constraint);

    if (!earlier.empty()) {
        CLink link(earlier.back(), LinkType::FinishToStart);
        link.setID(make.id<CLinkID>());
        link.setDelay(CProjectDuration(3'600'000LL * make.below(24)));
        (void)task.addUpstreamLink(link);
        if (earlier.size() > 2 && number % 3 == 0) {
            CLink second(earlier[earlier.size() - 3], LinkType::StartToStart);
            second.setID(make.id<CLinkID>());
            (void)task.addUpstreamLink(second);
        }
    }

    CAssignedResource crew;
    crew.setID(make.id<CAssignedResourceID>());
    CAssignedResourceParameters crewParameters;
    const auto& resources = project.get<CResourceRoot>().getArray();
    crewParameters.setResourceID(resources.GetSize() > 0
                                     ? CResourceID(resources.getID(number % resources.GetSize()))
                                     : make.id<CResourceID>());
    crewParameters.setUnitsPerTime(4.0);
    crew.setParameters(crewParameters);
    crew.setUseProfileID(Targets::pick(targets.useProfiles, number));
    if (number % 3 == 0)
        crew.setSpatialUseProfileID(Targets::pick(targets.spatialUseProfiles, number / 3));
    if (number % 4 == 1) {
        CGraphicalTransformDouble lift;
        lift.setAsTranslation(CGraphicalVectorDouble3D(2.0 * number, 0.0, 3.5));
        crew.setTransform(lift);
        crew.setPathID(Targets::pick(targets.paths, number));
        crew.setPathAlignment(PathAlignment::Start);
        crew.setMotionSimulationStart(0.1);
        crew.setMotionSimulationFinish(0.9);
    }
    (void)task.addAssignedResource(crew);
    const auto& packages = project.get<CResourceGroupRoot>().getArray();
    if (number % 5 == 0 && packages.GetSize() > 0) {
        const IResourceGroup& package = packages.getConstReference(number % packages.GetSize());
        CAssignedResourceGroup group;
        group.setID(make.id<CAssignedResourceGroupID>());
        group.setGroupID(package.getID());
        group.setUseProfileID(Targets::pick(targets.useProfiles, number / 5));
        CAssignedResourceParametersArray members;
        for (int m = 0; m < std::min(2, package.getResourceIDs().GetSize()); ++m) {
            CAssignedResourceParameters member;
            member.setResourceID(package.getResourceIDs().getConstReference(m));
            member.setQuantity(1.0 + m);
            (void)members.addValue(member);
        }
        group.setParameters(std::move(members));
        (void)task.addAssignedResourceGroup(group);
    }

    for (int c = 0; c < 1 + number % 2; ++c)
        (void)task.addCost(makeCost(make, number * 2 + c, targets));
    if (number % 4 == 2) {
        CTaskReport report;
        report.setID(make.id<CTaskReportID>());
        report.setDate(CProjectDate::fromYMD(2026, 1 + static_cast<unsigned>(number % 12),
                                             1 + static_cast<unsigned>(number % 28)));
        report.setType(static_cast<TaskReportType>(number % CTaskReportType::s_count));
        report.setComments(make.text(L"Formwork delivered, crew on site", number));
        report.addCost(makeCost(make, number + 5000, targets));
        (void)task.addTaskReport(report);
    }
    if (number % 6 == 0) (void)task.addNote(makeNote(make, L"Pump booked for pour", number));
    if (number % 8 == 3 && project.get<CRiskRoot>().getArray().GetSize() > 0) {
        const IRisk& risk = project.get<CRiskRoot>().getArray().getConstReference(
            number % project.get<CRiskRoot>().getArray().GetSize());
        CAssignedRisk assigned(risk.getID(), risk.getValueMode());
        assigned.setID(make.id<CAssignedRiskID>());
        assigned.setWeight(RiskWeight::Medium);
        assigned.setValuePercent(15.0);
        (void)assigned.addCost(makeCost(make, number + 9000, targets));
        (void)task.addAssignedRisk(assigned);
    }

    const auto& codes = project.get<CCodeRoot>().getArray();
    if (codes.GetSize() > 0) {
        const auto values = codes.getConstReference(number % codes.GetSize()).getCodeValues();
        if (values.GetSize() > 0)
            (void)task.addCodeValue(values[number % values.GetSize()]->getID());
    }
    if (number % 7 == 0 && !targets.documents.empty())
        (void)task.addDocumentFileID(Targets::pick(targets.documents, number / 7));
    const auto& fields = project.get<CUserFieldRoot>().getArray();
    for (int f = 0; f < std::min(2, fields.GetSize()); ++f) {
        CProjectVariant value;
        value.setInteger(number * 10 + f);
        (void)task.addUserFieldValue(
            CUserFieldValue(fields.getConstReference((number + f) % fields.GetSize()).getID(),
                            value),
            -1);
    }
    return task;
}

// A sky box of six small images, its cube map naming each face.
CSkyBox makeSkyBox(Maker& make, int number) {
    CSkyBox sky;
    sky.setID(make.id<CSkyBoxID>());
    sky.setName(make.text(L"Overcast sky", number));
    static constexpr const wchar_t* faces[] = {L"front", L"back", L"left",
                                               L"right", L"top",  L"bottom"};
    std::vector<CGraphicalImageID> ids;
    for (const wchar_t* face : faces) {
        CGraphicalImage image;
        image.setID(make.id<CGraphicalImageID>());
        image.setName(make.text(face, number));
        image.setWidth(4);
        image.setHeight(4);
        std::uint8_t pixels[4 * 4 * 4];
        for (auto& byte : pixels) byte = static_cast<std::uint8_t>(make.below(256));
        image.setData(pixels, static_cast<int>(sizeof pixels));
        (void)sky.addImage(image);
        ids.push_back(image.getID());
    }
    CCubeMap map;
    map.setFrontImageID(ids[0]);
    map.setBackImageID(ids[1]);
    map.setLeftImageID(ids[2]);
    map.setRightImageID(ids[3]);
    map.setTopImageID(ids[4]);
    map.setBottomImageID(ids[5]);
    sky.setCubeMap(map);
    return sky;
}

CTask makeSummary(Maker& make, const wchar_t* kind, int number) {
    CTask summary;
    summary.setID(make.id<CTaskID>());
    summary.setName(make.text(kind, number));
    summary.setTaskType(TaskType::WbsSummary);
    (void)summary.addNote(makeNote(make, L"Scope agreed with the client for", number));
    return summary;
}

// A saved view of a zone: the camera above it, its focus date and the filters and legend it
// shows. Only some groups of settings are held, as positions usually do.
CPosition makePosition(Maker& make, int number) {
    CPosition position(make.text(L"View of zone", number));
    position.setID(make.id<CPositionID>());
    position.setDescription(L"Looking north-east over the cores");
    position.setWindowWidth(1920);
    position.setWindowHeight(1080);
    position.setIsFocusTime(true);
    position.setFocusTime(CProjectTime(1'767'254'400'000LL + number * 7 * 86'400'000LL));
    position.setIsViewpoint(true);
    CViewpointCamera camera;
    camera.setPosition(CGraphicalPointDouble3D(40.0 * number, -60.0, 25.0));
    position.setViewpoint(camera);
    position.setIs3DRenderModeValid(number % 2 == 0);
    position.set3DRenderMode(static_cast<RenderMode3D>(number % C3DRenderMode::s_count));
    position.setIsVisibilityPropertiesValid(true);
    position.setVisibleLines(true);
    position.setVisibleFaces(true);
    position.setIsIndicatorPropertiesValid(true);
    position.setDisplayFocusTime(true);
    position.setFocusTimeFontSize(14.0);
    position.setFocusTimeFormat(L"dd.MM.yyyy");
    position.setIsLegendPropertiesValid(number % 3 == 0);
    CLegendProperties legend;
    legend.setTitles(L"Progress by zone");
    legend.setLocation(AnnotationPosition::BottomLeft);
    position.setLegendProperties(legend);
    return position;
}

// A fly-through of the schedule: the focus date follows activities, the camera circles the
// site, and events switch the legend and the paths on.
CAnimation makeAnimation(Maker& make, int number, const std::vector<CTaskID>& activities,
                         const CCalendarID& calendar) {
    CAnimation animation;
    animation.setID(make.id<CAnimationID>());
    animation.setName(make.text(L"Construction sequence", number));
    animation.setAVIExportProperty(L"codec=h264;fps=25;width=1920;height=1080");
    animation.setSkipNonWorkingTimeCalendarID(calendar);
    CProjectTimeTimeline focus;
    focus.setID(make.id<CTimelineID>());
    for (int k = 0; k < 4; ++k) {
        CProjectTimeKeyFrame key(k * 250);
        key.setID(make.id<CKeyFrameID>());
        key.setFocusTimeValue(CProjectTime(1'767'254'400'000LL + k * 30 * 86'400'000LL));
        if (!activities.empty()) {
            key.setMasterTaskID(
                activities[static_cast<std::size_t>(number + k) % activities.size()]);
            key.setOffsetFromTaskStart(0.5 * k);
        }
        (void)focus.addKeyFrame(key);
    }
    animation.setFocusTimeTimeline(focus);
    CCameraTimeline camera;
    camera.setID(make.id<CTimelineID>());
    for (int k = 0; k < 3; ++k) {
        CCameraKeyFrame key(k * 400);
        key.setID(make.id<CKeyFrameID>());
        CViewpointCamera view;
        view.setPosition(CGraphicalPointDouble3D(50.0 * k, -80.0, 30.0));
        key.setViewpoint(view);
        if (k == 1) key.allocateTurnableAnimation().setDegrees(180.0);
        (void)camera.addKeyFrame(key);
    }
    animation.setCameraTimeline(camera);
    if (number % 2 == 0) {
        CEventTimeline events;
        events.setID(make.id<CTimelineID>());
        CEventKeyFrame show(100);
        show.setID(make.id<CKeyFrameID>());
        show.setShowLegend(true);
        show.setShowPaths(true);
        (void)events.addKeyFrame(show);
        CEventKeyFrame hide(700);
        hide.setID(make.id<CKeyFrameID>());
        hide.setHidePaths(true);
        hide.setChange3DRenderMode(true);
        hide.set3DRenderMode(RenderMode3D::Realistic);
        (void)events.addKeyFrame(hide);
        animation.setEventTimeline(events);
    }
    return animation;
}

// The route of a tower crane's hook, with the trolley's route below it.
CPath makePath(Maker& make, int number) {
    const auto route = [&](const wchar_t* name, int keys) {
        CPath path;
        path.setID(make.id<CPathID>());
        path.setName(make.text(name, number));
        path.setColor(CProjectColorRGB(0x2060C0u + static_cast<std::uint32_t>(number)));
        path.setDuration(CProjectDuration(3'600'000LL * (1 + number % 5)));
        CPathTimeline timeline;
        timeline.setID(make.id<CTimelineID>());
        for (int k = 0; k < keys; ++k)
            (void)timeline.addKeyFrame(
                make.id<CKeyFrameID>(), CGraphicalPointDouble3D(5.0 * k, 2.0 * number, 12.0),
                CQuat(0.0, 0.0, 0.1 * k, 1.0), CGraphicalPointDouble3D(), k * 60);
        path.setTimeline(timeline);
        return path;
    };
    CPath hook = route(L"Crane hook route", 4);
    (void)hook.addSubPath(route(L"Trolley route", 2));
    return hook;
}

// An appearance that shows the entities in one colour, fading from one transparency to another
// over the stage when the two differ.
CEntityAppearance makeAppearance(CProjectColorRGB color, int startTransparency,
                                 int finishTransparency) {
    CEntityAppearance appearance;
    appearance.setUseOriginalColor(false);
    appearance.setUseOriginalTransparency(false);
    appearance.setColor(color);
    appearance.setTransparency(startTransparency);
    if (finishTransparency != startTransparency)
        appearance.setFinishTransparency(finishTransparency);
    return appearance;
}

// The three ways the crews use the model: installing (appears, growing, green while active),
// demolishing (red, fading away) and temporary works (scaffolding, formwork: shown only while in
// use). Installation has variants for precast and in-situ work.
std::vector<CUseProfile> makeUseProfiles(Maker& make) {
    struct Plan {
        const wchar_t* name;
        ResourceProfileType type;
        CEntityAppearance start, active, end;
    };
    const CEntityAppearance hidden = makeAppearance(CProjectColorRGB(0x808080), 100, 100);
    const CEntityAppearance asBuilt;
    CEntityAppearance growing = makeAppearance(CProjectColorRGB::fromRGB(40, 170, 60), 0, 0);
    growing.setAnimationType(UseProfileAnimationType::Growth);
    growing.setGrowthSimulationBasedOnPercentComplete(true);
    const Plan plans[] = {
        {L"Install", ResourceProfileType::Install, hidden, growing, asBuilt},
        {L"Demolish", ResourceProfileType::Demolish, asBuilt,
         makeAppearance(CProjectColorRGB::fromRGB(210, 40, 30), 0, 80), hidden},
        {L"Temporary", ResourceProfileType::Temporary, hidden,
         makeAppearance(CProjectColorRGB::fromRGB(240, 190, 20), 30, 30), hidden},
    };
    std::vector<CUseProfile> profiles;
    for (const Plan& plan : plans) {
        CUseProfile profile;
        profile.setID(make.id<CUseProfileID>());
        profile.setName(plan.name);
        profile.setType(plan.type);
        profile.setIsDefaultProfile(plan.type == ResourceProfileType::Install);
        profile.setStartAppearance(plan.start);
        profile.setActiveAppearance(plan.active);
        profile.setEndAppearance(plan.end);
        profiles.push_back(std::move(profile));
    }
    CUseProfile& install = profiles.front();
    const CUseProfile base = install;
    const wchar_t* variants[] = {L"Install precast", L"Install in situ"};
    for (int v = 0; v < 2; ++v) {
        CUseProfile variant(base);
        variant.setID(make.id<CUseProfileID>());
        variant.setName(variants[v]);
        variant.setIsDefaultProfile(false);
        CEntityAppearance active = variant.getActiveAppearance();
        active.setInvertGrowth(v == 1);
        active.setGrowDirection(v == 0 ? CGraphicalVectorDouble3D(1.0, 0.0, 0.0)
                                       : CGraphicalVectorDouble3D(0.0, 0.0, 1.0));
        variant.setActiveAppearance(active);
        (void)install.addSubUseProfile(variant);
    }
    return profiles;
}

// The spatial checks of the crews: hard clashes between what is installed, and clearance around
// cranes and temporary works.
std::vector<CSpatialUseProfile> makeSpatialUseProfiles(Maker& make) {
    struct Plan {
        const wchar_t* name;
        JoinTestProfileType type;
        double tolerance;
    };
    const Plan plans[] = {{L"Hard clash", JoinTestProfileType::Hard, 0.0},
                          {L"Crane clearance", JoinTestProfileType::Clearance, 2.5},
                          {L"Scaffold contact", JoinTestProfileType::Touching, 0.05}};
    std::vector<CSpatialUseProfile> profiles;
    for (const Plan& plan : plans) {
        CSpatialUseProfile profile;
        profile.setID(make.id<CSpatialUseProfileID>());
        profile.setName(plan.name);
        profile.setJoinTestProfileType(plan.type);
        profile.setTolerance(plan.tolerance);
        profiles.push_back(std::move(profile));
    }
    return profiles;
}

// The layout of the work breakdown: phases, zones and activities, each level in its colours.
CWbsLayout makeWbsLayout(Maker& make) {
    CWbsLayout layout;
    layout.setID(make.id<CWbsLayoutID>());
    layout.setName(L"Phases and zones");
    const CProjectColorRGB bands[] = {CProjectColorRGB(0x141EC8), CProjectColorRGB(0x1E8CDC),
                                      CProjectColorRGB(0xDCDCDC)};
    for (int i = 0; i < 3; ++i) {
        CWbsLevel level;
        level.setID(make.id<CWbsLevelID>());
        level.setBackColor(bands[i]);
        level.setCheck(i < 2);
        (void)layout.addLevel(level);
    }
    return layout;
}

// IDs of the objects a root holds at its top level.
template <class ID, class Root>
CIDPointerArray<ID> topLevelIDs(const Root& root, int most) {
    CIDPointerArray<ID> ids;
    const auto& objects = root.getArray();
    for (int i = 0; i < objects.GetSize() && i < most; ++i) (void)ids.Add(ID(objects.getID(i)));
    return ids;
}

CProjectStringArray texts(std::initializer_list<const wchar_t*> list) {
    CProjectStringArray out;
    for (const wchar_t* text : list) (void)out.Add(CString(text));
    return out;
}

// One synchronizer per source type up to the scale (every type from scale 12 on), each holding
// its settings, filled; the IDs in them are pointed at real objects with the rest of the sample's
// references. Small samples take the types with the smallest settings first: the fault walks of
// the tests load a small sample's records once per byte.
void addSynchronizers(Maker& make, SampleProject& project, int scale, std::uint64_t seed) {
    using T = SynchronizerType;
    constexpr T kBySize[] = {T::Saprima, T::Ourplan, T::IFC,      T::Entity3D,
                             T::Orbeon,  T::XML,     T::NetPoint, T::Excel,
                             T::Safran,  T::Zentrix, T::Asta,     T::Primavera};
    static_assert(std::size(kBySize) == CSynchronizerType::s_count - 1, "every source type");
    auto& synchronizers = project.get<CSynchronizerRoot>().getArray();
    for (int i = 0; i < scale && i < static_cast<int>(std::size(kBySize)); ++i) {
        const int type = static_cast<int>(kBySize[i]);
        CSynchronizer synchronizer;
        synchronizer.setID(make.id<CSynchronizerID>());
        synchronizer.Init(static_cast<SynchronizerType>(type));
        synchronizer.setSynchronizerName(make.text(L"Site schedule link", type));
        synchronizer.setFileName(make.text(L"schedule-export", type));
        synchronizer.setLogin(make.text(L"planner", type));
        synchronizer.setPassword(make.text(L"not-a-real-password", type));
        synchronizer.setTimeOfOperation(CProjectTime(1'700'000'000'000 + 3'600'000LL * type));
        zxsample::Filler filler(seed + static_cast<std::uint64_t>(type), 1);
        synchronizer.visitWritableSettings([&](auto& settings) { filler.value("", settings); });
        (void)synchronizers.Add(synchronizer);
    }
}

// The planners' saved filters: a look-ahead of the concrete work, the critical work of the
// lifting crews, and the 3D and path views the site meetings use.
void addFilters(Maker& make, SampleProject& project, const std::vector<CTaskID>& activities,
                const std::vector<CResourceStateID>& resourceStates, const Targets& targets) {
    const auto& taskStates = project.get<CTaskStateRoot>();
    const auto& resources = project.get<CResourceRoot>();
    const auto& risks = project.get<CRiskRoot>();
    const auto& baselines = project.get<CProjectBaselineRoot>();
    const auto& calendars = project.get<CCalendarRoot>();
    const auto& userFields = project.get<CUserFieldRoot>();
    CCodeValueIDArray activityValues;
    const auto& codes = project.get<CCodeRoot>().getArray();
    for (int i = 0; i < codes.GetSize(); ++i) {
        const ICode& code = codes.getConstReference(i);
        if (code.getType() != CodeType::Task) continue;
        const ICodeValueConstArrayHandle values = code.getCodeValues();
        for (int v = 0; v < values.GetSize() && activityValues.GetSize() < 2; ++v)
            (void)activityValues.Add(values[v]->getID());
    }
    CUserFieldIDArray fieldIDs = topLevelIDs<CUserFieldID>(userFields, 1);
    CProjectStringArray fieldValues;
    for (int i = 0; i < fieldIDs.GetSize(); ++i) (void)fieldValues.Add(CString(L"12"));

    CTaskFilter lookAhead;
    lookAhead.setID(make.id<CFilterID>());
    lookAhead.setName(L"Three-week look-ahead: concrete");
    lookAhead.setFilterMode(FilterMode::MatchAll);
    CNameSubFilter& names = lookAhead.getWritableNameFilter();
    names.setID(make.id<CFilterID>());
    names.setInUse(true);
    names.setNames(texts({L"Pour", L"Formwork", L"Rebar", L"pour slab"}), false);
    CLookAheadSubFilter& window = lookAhead.getWritableLookAheadFilter();
    window.setID(make.id<CFilterID>());
    window.setInUse(true);
    window.setMode(LookAheadFilterMode::FromDataDate);
    window.setLookAheadMinutes(21 * 24 * 60);
    CStatusSubFilter& status = lookAhead.getWritableStatusFilter();
    status.setID(make.id<CFilterID>());
    status.setInUse(true);
    status.setFinishedIncluded(false);
    status.setCheckedTaskStateIDs(topLevelIDs<CTaskStateID>(taskStates, 2));
    CCodeSubFilter& activityCodes = lookAhead.getWritableActivityCodeFilter();
    activityCodes.setID(make.id<CFilterID>());
    activityCodes.setInUse(activityValues.GetSize() > 0);
    activityCodes.setCheckedCodeValueIDs(activityValues);
    CUserFieldSubFilter& fields = lookAhead.getWritableUserFieldFilter();
    fields.setID(make.id<CFilterID>());
    fields.setInUse(fieldIDs.GetSize() > 0);
    fields.setUserFields(fieldIDs, fieldValues);
    (void)project.get<CTaskFilterRoot>().getArray().Add(lookAhead);

    CTaskFilter critical;
    critical.setID(make.id<CFilterID>());
    critical.setName(L"Critical lifts against the contract baseline");
    critical.setFilterMode(FilterMode::MatchAny);
    CDateRangeSubFilter& range = critical.getWritableDateRangeFilter();
    range.setID(make.id<CFilterID>());
    range.setInUse(!activities.empty());
    if (!activities.empty()) {
        range.setStartTaskID(activities.front());
        range.setStartType(DateType::TaskStart);
        range.setEndTaskID(activities.back());
        range.setEndType(DateType::TaskFinish);
        range.setEndLag(CProjectDuration(7 * 86'400'000LL));
    }
    CCriticalPathSubFilter& path = critical.getWritableCriticalPathFilter();
    path.setID(make.id<CFilterID>());
    path.setInUse(true);
    path.setSubCriticalTasksIncluded(false);
    path.setEarlyTasksIncluded(false);
    CResourcesSubFilter& crews = critical.getWritableResourcesFilter();
    crews.setID(make.id<CFilterID>());
    crews.setInUse(true);
    crews.setCheckedResourceIDs(topLevelIDs<CResourceID>(resources, 3));
    CLastResStatusSubFilter& lastStatus = critical.getWritableLastResStatusFilter();
    lastStatus.setID(make.id<CFilterID>());
    CResourceStateIDArray stateIDs;
    if (!resourceStates.empty()) (void)stateIDs.Add(resourceStates.front());
    lastStatus.setCheckedResourceStateIDs(stateIDs);
    lastStatus.setPolarity(FilterPolarity::Exclude);
    CRiskSubFilter& risky = critical.getWritableRiskFilter();
    risky.setID(make.id<CFilterID>());
    risky.setCheckedRiskIDs(topLevelIDs<CRiskID>(risks, 2));
    CBaselineSubFilter& baseline = critical.getWritableBaselineFilter();
    baseline.setID(make.id<CFilterID>());
    baseline.setInUse(true);
    baseline.setCheckedBaselineIDs(topLevelIDs<CProjectBaselineID>(baselines, 1));
    CCalendarSubFilter& calendar = critical.getWritableCalendarFilter();
    calendar.setID(make.id<CFilterID>());
    calendar.setCheckedCalendarIDs(topLevelIDs<CCalendarID>(calendars, 1));
    CTasksSubFilter& chosen = critical.getWritableTasksFilter();
    chosen.setID(make.id<CFilterID>());
    chosen.setInUse(!activities.empty());
    CTaskIDArray chosenTasks;
    for (std::size_t t = 0; t < activities.size() && t < 30; t += 10)
        (void)chosenTasks.Add(activities[t]);
    chosen.setCheckedTaskIDs(chosenTasks);
    CTaskTypeSubFilter& types = critical.getWritableTaskTypeFilter();
    types.setID(make.id<CFilterID>());
    types.setInUse(true);
    types.setMeetingIncluded(false);
    types.setShortHammockIncluded(false);
    types.setLongHammockIncluded(false);
    (void)project.get<CTaskFilterRoot>().getArray().Add(critical);

    C3DFilter structure;
    structure.setID(make.id<CFilterID>());
    structure.setUserID(make.id<CUserID>());
    structure.setName(L"Structure of the critical lifts");
    structure.setFilterMode(FilterMode::MatchAll);
    CNameSubFilter& entityNames = structure.getWritableNameFilter();
    entityNames.setID(make.id<CFilterID>());
    entityNames.setInUse(true);
    entityNames.setNames(texts({L"Beam", L"Column", L"Core wall"}), false);
    CTaskFilterSubFilter& byTasks = structure.getWritableTaskFilterFilter();
    byTasks.setID(make.id<CFilterID>());
    byTasks.setInUse(true);
    byTasks.setShowUnassigned(false);
    CResourcesSubFilter& entityCrews = structure.getWritableResourcesFilter();
    entityCrews.setID(make.id<CFilterID>());
    entityCrews.setInUse(true);
    entityCrews.setCheckedResourceIDs(topLevelIDs<CResourceID>(resources, 2));
    structure.getWritable3DFilter().setID(make.id<CFilterID>());
    structure.setFilteredUseOriginalColor(false);
    structure.setFilteredColor(CProjectColorRGB(0xD04020));
    structure.setUnFilteredVisible(true);
    structure.setUnFilteredUseOriginalTransparency(false);
    structure.setUnFilteredTransparency(80);
    (void)project.get<C3DFilterRoot>().getArray().Add(structure);

    CPathFilter routes;
    routes.setID(make.id<CFilterID>());
    routes.setName(L"Tower crane routes");
    CNameSubFilter& routeNames = routes.getWritableNameSubFilter();
    routeNames.setID(make.id<CFilterID>());
    routeNames.setNames(texts({L"Crane", L"Crane route"}), false);
    CPathSubFilter& chosenPaths = routes.getWritablePathSubFilter();
    chosenPaths.setID(make.id<CFilterID>());
    chosenPaths.setInUse(!targets.paths.empty());
    CPathIDArray pathIDs;
    for (const CPathID& id : targets.paths) (void)pathIDs.Add(id);
    chosenPaths.setIncludedPathIDs(pathIDs);
    (void)project.get<CPathFilterRoot>().getArray().Add(routes);
}

}  // namespace

// A box of the given size at the given corner: eight vertices, twelve triangles.
CMesh makeBox(float x, float y, float z, float width, float depth, float height) {
    CMesh box;
    for (int corner = 0; corner < 8; ++corner) {
        box.positions.push_back(x + ((corner & 1) ? width : 0.0f));
        box.positions.push_back(y + ((corner & 2) ? depth : 0.0f));
        box.positions.push_back(z + ((corner & 4) ? height : 0.0f));
    }
    box.triangles = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                     2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
    return box;
}

CGraphicalMaterial makeMaterial(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    CGraphicalMaterial material;
    material.setDiffuse(CProjectColorRGB::fromRGB(r, g, b));
    material.setSpecular(CProjectColorRGB::fromRGB(40, 40, 40));
    material.setShininess(12.0);
    return material;
}

CEntity3D makeEntity(Maker& make, const CString& name) {
    CEntity3D entity;
    entity.setID(make.id<CEntity3DID>());
    entity.setName(name);
    return entity;
}

// One storey of a building: a slab (cut into four pours on the first storey), columns and
// walls, each a box with a material; some carry notes, document links and user field values.
CEntity3D makeStorey(Maker& make, int building, int level, int scale, const SampleProject& project,
                     const Targets& targets, std::vector<CEntity3DID>& entities) {
    const float x0 = 40.0f * static_cast<float>(building);
    const float z0 = 3.5f * static_cast<float>(level);
    CEntity3D storey = makeEntity(make, make.text(L"Level", level));
    CGraphicalTransformDouble lift;
    lift.setAsTranslation({0, 0, z0});
    storey.setTransform(lift);
    const auto& fields = project.get<CUserFieldRoot>().getArray();
    const auto element = [&](const wchar_t* kind, int number, CMesh mesh,
                             const CGraphicalMaterial& material) {
        CEntity3D entity = makeEntity(make, make.text(kind, number));
        (void)entity.addGeometry(std::move(mesh));
        entity.setMaterial(material);
        if (number % 3 == 0 && !targets.documents.empty())
            (void)entity.addDocumentFileID(Targets::pick(targets.documents, number + building));
        if (number % 4 == 0 && fields.GetSize() > 0) {
            CProjectVariant value;
            value.setDouble(2.5 * number);
            (void)entity.addUserFieldValue(
                CUserFieldValue(fields.getConstReference(number % fields.GetSize()).getID(), value),
                -1);
        }
        if (number % 7 == 0)
            (void)entity.addNote(makeNote(make, L"Embedded plates checked on site", number));
        return entity;
    };
    CEntity3D slab =
        element(L"Slab", level, makeBox(x0, 0, 0, 30, 20, 0.3f), makeMaterial(180, 180, 175));
    if (level == 0) {
        // The slab is poured in four bays: the parts of its subdivision.
        CSubdivisionByUniformSlices bays;
        bays.setNumberOfXCuts(2);
        bays.setNumberOfYCuts(2);
        bays.setNumberOfZCuts(1);
        CEntity3DArray parts;
        CEntity3DIDArray partIDs;
        for (int p = 0; p < 4; ++p) {
            CEntity3D part = makeEntity(make, make.text(L"Pour bay", p));
            (void)part.addGeometry(makeBox(x0 + 15.0f * static_cast<float>(p % 2),
                                           10.0f * static_cast<float>(p / 2), 0, 15, 10, 0.3f));
            CSubPartIndex index;
            index.set(p % 2, p / 2, 0);
            part.setSubPartIndex(index);
            (void)partIDs.Add(part.getID());
            entities.push_back(part.getID());
            (void)parts.Add(part);
        }
        bays.set3DSet(partIDs);
        slab.setSubdivision(bays);
        slab.setSubdivisionParts(IEntity3DConstArrayHandle::over(&parts));
    }
    entities.push_back(slab.getID());
    (void)storey.addSubEntity(slab);
    // Small samples (the tests') hold a few elements per storey, full ones twenty.
    for (int c = 0; c < std::min(12, 1 + scale / 4); ++c) {
        const float cx = x0 + 2.0f + 8.5f * static_cast<float>(c % 4);
        const float cy = 2.0f + 8.0f * static_cast<float>(c / 4);
        const CEntity3D column = element(L"Column", c, makeBox(cx, cy, 0.3f, 0.4f, 0.4f, 3.2f),
                                         makeMaterial(150, 150, 160));
        entities.push_back(column.getID());
        (void)storey.addSubEntity(column);
    }
    for (int w = 0; w < std::min(8, 1 + scale / 8); ++w) {
        const bool alongX = w % 2 == 0;
        const CEntity3D wall =
            element(L"Wall", w,
                    makeBox(x0 + (alongX ? 0.0f : 29.8f * static_cast<float>(w / 4)),
                            alongX ? 19.8f * static_cast<float>(w / 4) : 0.0f, 0.3f,
                            alongX ? 30.0f : 0.2f, alongX ? 0.2f : 20.0f, 3.2f),
                    makeMaterial(200, 170, 130));
        entities.push_back(wall.getID());
        (void)storey.addSubEntity(wall);
    }
    entities.push_back(storey.getID());
    return storey;
}

// The site: a building of five storeys for every twenty activities (fewer in small samples).
CEntity3D makeSite(Maker& make, int scale, const SampleProject& project, const Targets& targets,
                   std::vector<CEntity3DID>& entities) {
    CEntity3D site = makeEntity(make, L"Site");
    (void)site.addGeometry(
        makeBox(-10, -10, -0.5f, 60.0f * static_cast<float>(scale / 20 + 1), 40, 0.5f));
    site.setMaterial(makeMaterial(90, 120, 60));
    for (int b = 0; b < (scale + 19) / 20; ++b) {
        CEntity3D building = makeEntity(make, make.text(L"Block", b));
        building.setNameOnImport(make.text(L"IFC building", b));
        for (int level = 0; level < std::min(5, 1 + scale / 8); ++level)
            (void)building.addSubEntity(
                makeStorey(make, b, level, scale, project, targets, entities));
        if (!targets.documents.empty())
            (void)building.addDocumentFileID(Targets::pick(targets.documents, b));
        entities.push_back(building.getID());
        (void)site.addSubEntity(building);
    }
    entities.push_back(site.getID());
    return site;
}

namespace {

// The objects a reference may name, by the ID type that names them.
using TargetsByType = std::map<std::type_index, std::vector<CIDBase>>;

// Points every reference held anywhere in the objects it visits (fields, ID sets, and the
// described and optional values they sit in, at any depth) that is neither unset nor null and
// whose ID type `targets` lists at one of that type's targets in turn, or at the null ID when the
// type has none. References of other types are left alone. Objects built before the users and
// companies, and filled ones, whose IDs are random, then name real ones.
class Repointer {
public:
    explicit Repointer(const TargetsByType& targets) : m_targets(targets) {}

    template <class Object>
    void object(Object& object) {
        // The object's own ID is no reference: it stays.
        const void* const holder = m_ownID;
        m_ownID = &object.getID();
        object.visitValues(*this);
        m_ownID = holder;
    }
    template <class T>
    void value(const char*, T& value) {
        if (static_cast<const void*>(&value) != m_ownID) repoint(value);
    }
    template <class H>
    void children(const char*, const H& handle) {
        for (int i = 0; i < handle.GetSize(); ++i) object(*handle.getWritableReference(i));
    }
    template <class Part>
    void part(const char*, Part& part) {
        object(part);
    }
    template <class Slot>
    void optionalChildren(const char* name, const Slot& slot) {
        if (slot.present()) children(name, slot.ensure());
    }
    template <class Slot>
    void optionalPart(const char*, const Slot& slot) {
        if (slot.present()) object(*slot.ensure());
    }

private:
    template <class T>
    struct IDSet : std::false_type {};
    template <class ID>
    struct IDSet<CIDPointerArray<ID>> : std::true_type {};
    template <class T>
    struct StdList : std::false_type {};
    template <class T>
    struct StdList<CStdVector<T>> : std::true_type {};

    template <class T>
    void repoint(T& value) {
        if constexpr (std::is_base_of_v<CIDBase, T>) {
            if (value.isValidNotNull() && m_targets.contains(typeid(T))) value = T(next(typeid(T)));
        } else if constexpr (IDSet<T>::value) {
            using ID = std::remove_cvref_t<decltype(value.getConstReference(0))>;
            if (!m_targets.contains(typeid(ID))) return;
            T repointed;
            for (int i = 0; i < value.GetSize(); ++i) {
                const ID& id = value.getConstReference(i);
                (void)repointed.Add(id.isValidNotNull() ? ID(next(typeid(ID))) : id);
            }
            value = repointed;
        } else if constexpr (StdList<T>::value) {
            using ID = typename T::value_type;
            if constexpr (std::is_base_of_v<CIDBase, ID>) {
                if (!m_targets.contains(typeid(ID))) return;
                for (ID& id : value)
                    if (id.isValidNotNull()) id = ID(next(typeid(ID)));
            }
        } else if constexpr (std::is_base_of_v<CDescribedValue<T>, T>) {
            zx::fields::ValueAdapter<T, T, Repointer> adapter{value, value, *this};
            T::describeFields(adapter);
            zx::rebuildDerived(value);
        } else if constexpr (requires {
                                 value.getWritable();
                                 value.reset();
                             }) {
            if (value) repoint(*value.getWritable());
        }
    }
    CIDBase next(std::type_index type) {
        const std::vector<CIDBase>& targets = m_targets.at(type);
        if (targets.empty()) return CIDBase(CIDBase::getNullGUID());
        return targets[m_next[type]++ % targets.size()];
    }

    const TargetsByType& m_targets;
    std::map<std::type_index, std::size_t> m_next;
    const void* m_ownID = nullptr;
};

// Points the references in every root that `repoints` accepts (by its concrete kind).
template <class Accept>
void repointRoots(SampleProject& project, const TargetsByType& targets, Accept repoints) {
    Repointer repointer(targets);
    project.forEachRoot([&](auto& root) {
        using C = typename std::remove_cvref_t<decltype(root)>::Object;
        if (!repoints.template operator()<C>()) return;
        auto& objects = root.getArray();
        for (int i = 0; i < objects.GetSize(); ++i)
            repointer.object(objects.getWritableReference(i));
    });
}

// Every object of the project that has an identity (an ID unique in the project), by ID type.
TargetsByType identitiesOf(const SampleProject& project) {
    TargetsByType identities;
    // Objects reached through an optional part (a snapshot that keeps the IDs of what it copies)
    // or whose IDs are unique only within their owner, and everything they own, are no targets:
    // their IDs name nothing in the project's scope.
    const auto collect = [&](const auto& object, const zx::WalkStep& step) {
        using I = std::remove_cvref_t<decltype(object)>;
        if (step.via == zx::WalkStep::Via::optionalPart || zx::idRole<I>() != zx::IDRole::identity)
            return false;
        if constexpr (requires { object.getID(); }) {
            if (!step.embedded() && object.getID().isValidNotNull())
                identities[typeid(object.getID())].push_back(object.getID());
        }
        return true;
    };
    project.forEachRoot([&](const auto& root) {
        const auto& objects = root.getArray();
        for (int i = 0; i < objects.GetSize(); ++i)
            zxsample::walkObjects(objects.getConstReference(i), collect);
    });
    return identities;
}

// The IDs of the objects of a root.
template <class Root>
std::vector<CIDBase> idsOf(const SampleProject& project) {
    std::vector<CIDBase> ids;
    const auto& objects = project.get<Root>().getArray();
    for (int i = 0; i < objects.GetSize(); ++i) ids.push_back(objects.getID(i));
    return ids;
}

// The project's parties, its standard roles and one user of each role, each user with a
// password and the first with a photo.
void addPeople(Maker& make, SampleProject& project) {
    const auto& calendars = project.get<CCalendarRoot>().getArray();
    const CCalendarID calendar =
        calendars.GetSize() > 0 ? CCalendarID(calendars.getID(0)) : CCalendarID();
    struct Party {
        const wchar_t* name;
        CompanyType type;
        std::uint32_t color;
    };
    const Party parties[] = {{L"City hospital trust", CompanyType::Owner, 0x1F4E79},
                             {L"Main contractor", CompanyType::Contractor, 0xC00000},
                             {L"Precast frames", CompanyType::Subcontractor, 0x548235},
                             {L"Ready-mix concrete", CompanyType::Supplier, 0x7F6000}};
    std::vector<CCompanyID> companies;
    for (int i = 0; i < static_cast<int>(std::size(parties)); ++i) {
        CCompany company;
        company.setID(make.id<CCompanyID>());
        company.setName(parties[i].name);
        company.setType(parties[i].type);
        company.setAddress(make.text(L"Harbour road", 10 + i));
        company.setTelephoneNumber(make.text(L"+44 20 7946", 100 + i));
        company.setFaxNumber(i % 2 == 0 ? make.text(L"+44 20 7947", 100 + i) : CString());
        company.setEmailAddress(make.text(L"office@party", i) + L".example");
        company.setURL(make.text(L"https://party", i) + L".example");
        company.setCalendarID(calendar);
        company.setColor(CProjectColorRGB(parties[i].color));
        companies.push_back(company.getID());
        (void)project.get<CCompanyRoot>().getArray().Add(company);
    }
    const CString roleNames[] = {CProjectConstants::getNameOfAdministratorRole(),
                                 CProjectConstants::getNameOfPlannerRole(),
                                 CProjectConstants::getNameOfUserRole(),
                                 CProjectConstants::getNameOfGuestRole(),
                                 CProjectConstants::getNameOfFieldRole(),
                                 CProjectConstants::getNameOfViewerRole(),
                                 CProjectConstants::getNameOfVDCRole()};
    int number = 0;
    for (const CString& roleName : roleNames) {
        CRole role;
        role.setID(make.id<CRoleID>());
        (void)role.initializeAsStandardRole(roleName);
        (void)project.get<CRoleRoot>().getArray().Add(role);

        const CString login = make.text(L"user", number);
        CUser user(login, CString(), roleName + L" of the site", login + L"@site.example",
                   make.text(L"+44 20 7946 05", number), CString());
        user.setID(make.id<CUserID>());
        // The sample's salts come from the seed, so that the same seed gives the same bytes.
        wchar_t salt[33];
        const GUID bytes = make.id<CUserID>().getGUID();
        for (std::size_t i = 0; i < 16; ++i)
            std::swprintf(salt + 2 * i, 3, L"%02x", static_cast<unsigned>(bytes[i]));
        user.setSalt(CString(std::wstring(salt, 32)));
        (void)user.setPassword(make.text(L"Correct horse battery", number));
        user.setRoleID(role.getID());
        user.setCompanyID(companies[static_cast<std::size_t>(number) % companies.size()]);
        user.setPermissions(role.getPermissions());
        user.setLdapProperty(number % 3 == 2);
        if (number == 0) {
            CGraphicalImage photo;
            photo.setID(make.id<CGraphicalImageID>());
            photo.setName(L"Portrait");
            const std::uint8_t pixels[] = {0x20, 0x40, 0x60, 0x80, 0xA0, 0xC0};
            photo.setWidth(1);
            photo.setHeight(2);
            photo.setData(pixels, static_cast<int>(sizeof pixels));
            user.setPhoto(photo);
        }
        (void)project.get<CUserRoot>().getArray().Add(user);
        ++number;
    }
}

}  // namespace

SampleProject SampleProject::build(int scale, std::uint64_t seed) {
    Maker make(seed);
    SampleProject project;
    for (int i = 0; i < scale; ++i) {
        CCode code;
        code.setID(make.id<CCodeID>());
        code.setName(make.text(L"Code", i));
        code.setType(static_cast<CodeType>(i % CCodeType::s_count));
        code.setCategory(static_cast<CodeCategory>(i % CCodeCategory::s_count));
        for (int v = 0; v < 3; ++v) (void)code.addCodeValue(makeCodeValue(make, v, i % 3));
        (void)project.get<CCodeRoot>().getArray().Add(code);

        CUserField field;
        field.setID(make.id<CUserFieldID>());
        field.setName(make.text(L"Field", i));
        field.setCommentary(L"Quantity installed per day");
        field.setType(static_cast<UserFieldType>(i % CUserFieldType::s_count));
        field.setCheck(i % 2 == 0);
        field.setFormula(L"[Quantity] * 2");
        (void)project.get<CUserFieldRoot>().getArray().Add(field);

        CTaskCategory category(make.text(L"Category", i));
        category.setID(make.id<CTaskCategoryID>());
        (void)project.get<CTaskCategoryRoot>().getArray().Add(category);

        CTaskState state;
        state.setID(make.id<CTaskStateID>());
        state.setName(make.text(L"State", i));
        state.setIsDefault(i == 0);
        state.setStatus(static_cast<TaskStatus>(i % CTaskStatus::s_count));
        (void)project.get<CTaskStateRoot>().getArray().Add(state);
    }

    // Costs are booked to the values of the cost account codes; tasks link the documents.
    Targets targets;
    // Drawn from a sequence of their own, so that the rest of the sample keeps its values.
    Maker profileMaker(seed ^ 0x9e3779b97f4a7c15ULL);
    if (scale > 0) {
        for (const CUseProfile& profile : makeUseProfiles(profileMaker)) {
            targets.useProfiles.push_back(profile.getID());
            (void)project.get<CUseProfileRoot>().getArray().Add(profile);
        }
        for (const CSpatialUseProfile& profile : makeSpatialUseProfiles(profileMaker)) {
            targets.spatialUseProfiles.push_back(profile.getID());
            (void)project.get<CSpatialUseProfileRoot>().getArray().Add(profile);
        }
        (void)project.get<CWbsLayoutRoot>().getArray().Add(makeWbsLayout(profileMaker));
    }
    const auto& codes = project.get<CCodeRoot>().getArray();
    for (int i = 0; i < codes.GetSize(); ++i) {
        const ICode& code = codes.getConstReference(i);
        if (code.getCategory() != CodeCategory::CostAccount) continue;
        const ICodeValueConstArrayHandle values = code.getCodeValues();
        for (int v = 0; v < values.GetSize(); ++v)
            targets.costAccounts.push_back(values[v]->getID());
    }
    for (int i = 0; i < (scale + 19) / 20; ++i) {
        CDocumentFolder folder;
        folder.setID(make.id<CDocumentFolderID>());
        folder.setTitle(make.text(L"Structural drawings, block", i));
        folder.setType(DocumentType::Drawing);
        for (int f = 0; f < 3; ++f) {
            const CDocumentFile document = makeDocument(make, i * 3 + f);
            targets.documents.push_back(document.getID());
            (void)folder.addFile(document);
        }
        CDocumentFolder revisions;
        revisions.setID(make.id<CDocumentFolderID>());
        revisions.setTitle(L"Superseded revisions");
        const CDocumentFile superseded = makeDocument(make, 1000 + i);
        targets.documents.push_back(superseded.getID());
        (void)revisions.addFile(superseded);
        (void)folder.addSubFolder(revisions);
        (void)project.get<CDocumentFolderRoot>().getArray().Add(folder);
    }

    // Crane routes, which the lifting crews' assignments follow.
    for (int i = 0; i < (scale + 9) / 10; ++i) {
        const CPath path = makePath(make, i);
        targets.paths.push_back(path.getID());
        (void)project.get<CPathRoot>().getArray().Add(path);
    }

    // The 3D model, which issues, images, textures and lights refer to.
    if (scale > 0) {
        const CEntity3D site = makeSite(make, scale, project, targets, targets.entities);
        (void)project.get<CEntity3DRoot>().getArray().Add(site);
    }

    std::vector<CResourceStateID> stateIDs;
    for (int i = 0; i < (scale + 3) / 4; ++i) {
        const CResourceState state = makeResourceState(make, i, i % 2 == 0);
        stateIDs.push_back(state.getID());
        (void)project.get<CResourceStateRoot>().getArray().Add(state);
    }
    for (int i = 0; i < (scale + 49) / 50; ++i)
        (void)project.get<CCalendarRoot>().getArray().Add(makeCalendar(make, i));
    for (int i = 0; i < (scale + 9) / 10; ++i)
        (void)project.get<CRuleRoot>().getArray().Add(makeRule(make, i, i % 2));
    for (int i = 0; i < (scale + 3) / 4; ++i)
        (void)project.get<CResourceRoot>().getArray().Add(
            makeResource(make, i, project, stateIDs, targets));
    for (int i = 0; i < (scale + 19) / 20; ++i)
        (void)project.get<CResourceGroupRoot>().getArray().Add(
            makeResourceGroup(make, i, project, targets));
    for (int i = 0; i < (scale + 4) / 5; ++i)
        (void)project.get<CRiskRoot>().getArray().Add(makeRisk(make, i, i % 3));

    // The work breakdown: phases of four zones of ten activities each.
    std::vector<CTaskID> activities;
    CTask phase, zone;
    const auto closeZone = [&] {
        if (zone.getID().isValidNotNull()) (void)phase.addSubTask(zone);
        zone = CTask();
    };
    const auto closePhase = [&] {
        closeZone();
        if (phase.getID().isValidNotNull()) (void)project.get<CTaskRoot>().getArray().Add(phase);
        phase = CTask();
    };
    for (int i = 0; i < scale; ++i) {
        if (i % 40 == 0) {
            closePhase();
            phase = makeSummary(make, L"Phase", i / 40);
        }
        if (i % 10 == 0) {
            closeZone();
            zone = makeSummary(make, L"Zone", i / 10);
        }
        const CTask activity = makeActivity(make, i, project, activities, targets);
        activities.push_back(activity.getID());
        (void)zone.addSubTask(activity);
    }
    closePhase();

    // Two baselines of the schedule as the calculation sees it on the data date: one from the
    // tasks' own dates, one from the critical path's scheduled dates.
    const SampleCalculation calculation(project.get<CTaskRoot>().getArray(),
                                        CProjectTime(1'767'254'400'000LL + 60 * 86'400'000LL));
    for (int b = 0; b < 2; ++b) {
        CProjectBaseline baseline;
        baseline.setID(make.id<CProjectBaselineID>());
        baseline.setName(b == 0 ? L"Contract baseline" : L"Critical path baseline");
        baseline.setColor(CProjectColorRGB(b == 0 ? 0x2040A0 : 0xA04020));
        baseline.setCreationTime(CProjectTime(1'767'254'400'000LL + b * 86'400'000LL));
        baseline.setOriginatingUser(L"Site planner");
        for (int t = 0; t < calculation.taskCount(); ++t)
            baseline.baselineTask(calculation.task(t), &calculation, b == 1);
        (void)project.get<CProjectBaselineRoot>().getArray().Add(baseline);
    }

    // Saved views and animations of the sequence; issues point at the views.
    std::vector<CPositionID> positions;
    const auto& calendars = project.get<CCalendarRoot>().getArray();
    for (int i = 0; i < (scale + 9) / 10; ++i) {
        // Animations skip the non-working time of the project's first calendar.
        const CCalendarID calendar =
            calendars.GetSize() > 0 ? CCalendarID(calendars.getID(0)) : CCalendarID();
        (void)project.get<CAnimationRoot>().getArray().Add(
            makeAnimation(make, i, activities, calendar));
        const CPosition position = makePosition(make, i);
        positions.push_back(position.getID());
        (void)project.get<CPositionRoot>().getArray().Add(position);
    }

    for (int i = 0; i < (scale + 4) / 5; ++i) {
        CIssue issue;
        issue.setID(make.id<CIssueID>());
        issue.setIssueCode(make.text(L"ISS-", 100 + i));
        issue.setTitle(make.text(L"Clash between duct and beam at grid", i));
        issue.setDescription(L"Duct runs through the beam web; needs a sleeve or a reroute.");
        issue.setStatus(static_cast<IssueStatus>(i % CIssueStatus::s_count));
        issue.setPriority(static_cast<IssuePriority>(i % CIssuePriority::s_count));
        issue.setCreatedUserID(make.id<CUserID>());
        issue.setResponsibleUserID(make.id<CUserID>());
        issue.setCreatedTimestamp(CProjectTime(1'767'254'400'000LL + 3'600'000LL * i));
        if (!activities.empty())
            (void)issue.addTask(activities[static_cast<std::size_t>(i * 7) % activities.size()]);
        const auto& resources = project.get<CResourceRoot>().getArray();
        if (resources.GetSize() > 0)
            (void)issue.addResource(CResourceID(resources.getID((i * 3) % resources.GetSize())));
        if (!targets.entities.empty())
            (void)issue.addEntity(Targets::pick(targets.entities, i * 11));
        issue.setPosition(Targets::pick(positions, i));
        for (int c = 0; c < 2; ++c)
            (void)issue.addComment(makeNote(make, L"Checked with the MEP designer", i * 2 + c));
        if (i % 3 == 0) {
            issue.allocateOldSchedule();
            issue.getWritableOldSchedule()->copyFrom(makeDocument(make, i));
        }
        (void)project.get<CIssueRoot>().getArray().Add(issue);
    }
    for (int i = 0; i < (scale + 99) / 100; ++i)
        (void)project.get<CSkyBoxRoot>().getArray().Add(makeSkyBox(make, i));
    if (scale > 0) addFilters(make, project, activities, stateIDs, targets);
    if (scale > 0) addSynchronizers(make, project, scale, seed);
    // Users, roles and companies, which the objects above name: drawn from a sequence of their
    // own, so that the rest of the sample keeps its values.
    if (scale > 0) {
        Maker peopleMaker(seed ^ 0x5851f42d4c957f2dULL);
        addPeople(peopleMaker, project);
    }
    // Every kind the content above does not cover gets a few filled objects in its root (a held
    // kind its one object), so a kind added to the list of kinds is saved, loaded and compared by
    // the sample at once.
    // Their references are random: each is pointed at an object of the kind its ID type names.
    if (scale > 0) {
        std::uint64_t fillSeed = seed;
        std::set<std::type_index> filledKinds;
        project.forEachRoot([&](auto& root) {
            using C = typename std::remove_cvref_t<decltype(root)>::Object;
            if (root.getArray().GetSize() > 0) return;
            const int count = zx::Contains<zx::HeldKinds, C>::value ? 1 : 3;
            for (int i = 0; i < count; ++i)
                (void)root.getArray().Add(zxsample::filled<C>(++fillSeed));
            filledKinds.insert(typeid(C));
        });
        repointRoots(project, identitiesOf(project), [&]<class C>() {
            return filledKinds.contains(typeid(C)) || std::is_same_v<C, CSynchronizer>;
        });
    }
    // What the objects built and filled above name of users, roles and companies: real ones.
    const TargetsByType people{{typeid(CUserID), idsOf<CUserRoot>(project)},
                               {typeid(CCompanyID), idsOf<CCompanyRoot>(project)},
                               {typeid(CRoleID), idsOf<CRoleRoot>(project)}};
    repointRoots(project, people, []<class C>() {
        return !std::is_same_v<C, CUser> && !std::is_same_v<C, CRole> &&
               !std::is_same_v<C, CCompany>;
    });
    // A new root draws a random ID; the sample's come from the seed, like everything else in it.
    project.forEachRoot([&](auto& root) {
        using RootID = std::remove_cvref_t<decltype(root.getID())>;
        root.setID(make.id<RootID>());
    });
    return project;
}

std::vector<std::pair<std::string, int>> SampleProject::counts() const {
    std::vector<std::pair<std::string, int>> counts;
    // Embedded parts (a task's supply chain) are part of their owner and not counted.
    const auto count = [&counts]<class I>(const I&, bool embedded) {
        if (embedded) return;
        for (auto& [name, n] : counts)
            if (name == I::s_kindName) {
                ++n;
                return;
            }
        counts.emplace_back(I::s_kindName, 1);
    };
    forEachRoot([&](const auto& root) {
        const auto& objects = root.getArray();
        for (int i = 0; i < objects.GetSize(); ++i)
            zxsample::walkObjects(objects.getConstReference(i), count);
    });
    return counts;
}
