#include "SampleProject.h"

#include <random>

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

CCost makeCost(Maker& make, int number) {
    CCost cost;
    cost.setID(make.id<CCostID>());
    cost.setCostAccountID(make.id<CCodeValueID>());
    cost.setDescription(make.text(L"Cost item", number));
    cost.setAmount(100.0 + make.below(100000) / 100.0);
    cost.setType(static_cast<CostType>(make.below(CCostType::s_count)));
    return cost;
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
        (void)project.codes.getArray().Add(code);

        CUserField field;
        field.setID(make.id<CUserFieldID>());
        field.setName(make.text(L"Field", i));
        field.setCommentary(L"Quantity installed per day");
        field.setType(static_cast<UserFieldType>(i % CUserFieldType::s_count));
        field.setCheck(i % 2 == 0);
        field.setFormula(L"[Quantity] * 2");
        (void)project.userFields.getArray().Add(field);

        CTaskCategory category(make.text(L"Category", i));
        category.setID(make.id<CTaskCategoryID>());
        (void)project.taskCategories.getArray().Add(category);

        CTaskState state;
        state.setID(make.id<CTaskStateID>());
        state.setName(make.text(L"State", i));
        state.setIsDefault(i == 0);
        state.setStatus(static_cast<TaskStatus>(i % CTaskStatus::s_count));
        (void)project.taskStates.getArray().Add(state);

        CLink link(make.id<CTaskID>(), static_cast<LinkType>(i % CLinkType::s_count));
        link.setID(make.id<CLinkID>());
        link.setDelay(CProjectDuration(3'600'000LL * make.below(48)));
        (void)project.links.Add(link);

        (void)project.costs.Add(makeCost(make, i));

        CTaskReport report;
        report.setID(make.id<CTaskReportID>());
        report.setDate(CProjectDate::fromYMD(2026, 1 + static_cast<unsigned>(i % 12),
                                             1 + static_cast<unsigned>(i % 28)));
        report.setDuration(CProjectDuration(86'400'000LL * (1 + i % 5)));
        report.setType(static_cast<TaskReportType>(i % CTaskReportType::s_count));
        report.setComments(make.text(L"Formwork delivered, crew on site", i));
        for (int c = 0; c < 2; ++c) report.addCost(makeCost(make, i * 2 + c));
        (void)project.taskReports.Add(report);
    }
    return project;
}

void SampleProject::Serialize(CZentrixArchive& ar) {
    codes.Serialize(ar);
    userFields.Serialize(ar);
    taskCategories.Serialize(ar);
    taskStates.Serialize(ar);
    links.Serialize(ar);
    costs.Serialize(ar);
    taskReports.Serialize(ar);
}

bool SampleProject::operator==(const SampleProject& other) const {
    return codes == other.codes && userFields == other.userFields &&
           taskCategories == other.taskCategories && taskStates == other.taskStates &&
           links == other.links && costs == other.costs && taskReports == other.taskReports;
}

namespace {
int countValues(const ICodeValueArrayHandle& values) {
    int count = values.GetSize();
    for (int i = 0; i < values.GetSize(); ++i) count += countValues(values[i]->getSubCodeValues());
    return count;
}
}  // namespace

std::vector<std::pair<std::string, int>> SampleProject::counts() const {
    int codeValues = 0;
    for (int i = 0; i < codes.getArray().GetSize(); ++i)
        codeValues += countValues(codes.getArray().getConstReference(i).getCodeValues());
    int reportCosts = 0;
    for (int i = 0; i < taskReports.GetSize(); ++i)
        reportCosts += taskReports.getConstReference(i).getCosts().GetSize();
    return {{"codes", codes.getArray().GetSize()},
            {"code values", codeValues},
            {"user fields", userFields.getArray().GetSize()},
            {"task categories", taskCategories.getArray().GetSize()},
            {"task states", taskStates.getArray().GetSize()},
            {"links", links.GetSize()},
            {"costs", costs.GetSize() + reportCosts},
            {"task reports", taskReports.GetSize()}};
}
