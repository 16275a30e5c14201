// HtmlReport: the page of `zxstore report` (see HtmlReport.h). The page is appended to one
// string in a single pass per section; the Gantt chart's geometry is computed here, and the page's
// script only moves rows and reroutes arrows when a summary row is opened or closed.
#include "HtmlReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ProjectCheck.h"
#include "ProjectIndex.h"
#include "SampleCalculation.h"
#include "project/CProjectRoots.h"

namespace zxtool {

namespace {

constexpr std::int64_t s_dayMs = 86'400'000;

// Each count with its name, which the page's root element carries as a data attribute and
// --print-counts prints: one table, so the two never disagree.
constexpr std::pair<const char*, int ReportCounts::*> s_countFields[] = {
    {"rows", &ReportCounts::rows},           {"bars", &ReportCounts::bars},
    {"summaries", &ReportCounts::summaries}, {"milestones", &ReportCounts::milestones},
    {"links", &ReportCounts::links},         {"baselines", &ReportCounts::baselines},
    {"collapsed", &ReportCounts::collapsed}, {"hidden", &ReportCounts::hidden},
    {"resources", &ReportCounts::resources}, {"resource-rows", &ReportCounts::resourceRows},
    {"findings", &ReportCounts::findings},
};

// Floor division: days before 1970 are negative.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// 1 (Sunday) to 7 (Saturday), as calendar weeks number their days; 1970-01-01 was a Thursday.
int weekDay(std::int64_t day) { return static_cast<int>(((day + 4) % 7 + 7) % 7) + 1; }

// The page being written. Everything goes through raw() (markup this file wrote) or text()
// (anything from the project, escaped), so that no path puts project text into markup unescaped.
class Html {
public:
    Html& raw(std::string_view markup) {
        m_out.append(markup);
        return *this;
    }
    Html& text(std::string_view utf8) {
        for (const char c : utf8) {
            switch (c) {
                case '&':
                    m_out.append("&amp;");
                    break;
                case '<':
                    m_out.append("&lt;");
                    break;
                case '>':
                    m_out.append("&gt;");
                    break;
                case '"':
                    m_out.append("&quot;");
                    break;
                case '\'':
                    m_out.append("&#39;");
                    break;
                default:
                    m_out.push_back(c);
            }
        }
        return *this;
    }
    Html& text(const CString& s) { return text(s.toUtf8()); }
    Html& num(long long value) {
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        m_out.append(buffer, end);
        return *this;
    }
    Html& num(int value) { return num(static_cast<long long>(value)); }
    // Coordinates to a tenth of a pixel: finer adds bytes, not sharpness.
    Html& num(double value, int decimals = 1) {
        if (!std::isfinite(value)) value = 0;
        char buffer[48];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
                .ptr;
        m_out.append(buffer, end);
        return *this;
    }
    Html& date(std::int64_t day) {
        int year;
        unsigned month, dayOfMonth;
        CProjectDate(static_cast<std::int32_t>(day)).toYMD(year, month, dayOfMonth);
        char buffer[32];
        const int n =
            std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", year, month, dayOfMonth);
        m_out.append(buffer, static_cast<std::size_t>(n));
        return *this;
    }
    // An attribute with a number: ` name="value"`.
    template <class T>
    Html& attr(std::string_view name, T value) {
        raw(" ").raw(name).raw("=\"");
        num(value);
        return raw("\"");
    }

    const std::string& str() const { return m_out; }

private:
    std::string m_out;
};

// Layout of the chart, in pixels.
constexpr double s_labelWidth = 340;
constexpr double s_rowHeight = 22;
constexpr double s_headerHeight = 42;
constexpr double s_indent = 14;
constexpr double s_barHeight = 11;
constexpr double s_barTop = 4;
constexpr double s_baselineTop = 16;
constexpr double s_linkStep = 6;

enum class Scale { days, weeks, months };

// The time axis: whole days from firstDay to lastDay, both shown.
struct Axis {
    std::int64_t firstDay = 0;
    std::int64_t lastDay = 0;
    Scale scale = Scale::days;
    double pxPerDay = 28;

    double x(std::int64_t ms) const {
        return s_labelWidth + double(ms - firstDay * s_dayMs) / double(s_dayMs) * pxPerDay;
    }
    double xOfDay(std::int64_t day) const {
        return s_labelWidth + double(day - firstDay) * pxPerDay;
    }
    double right() const { return xOfDay(lastDay + 1); }
    // The window in milliseconds: [beginMs, endMs).
    std::int64_t beginMs() const { return firstDay * s_dayMs; }
    std::int64_t endMs() const { return (lastDay + 1) * s_dayMs; }
    bool contains(std::int64_t ms) const { return ms >= beginMs() && ms < endMs(); }
    // Whether the span [start, finish) shows: it must share some time with the window, so that a
    // bar ending at the window's first midnight, or starting at the midnight after its last day,
    // is not drawn as a sliver at the edge. A span of no length shows where its instant does.
    bool shows(std::int64_t start, std::int64_t finish) const {
        if (finish <= start) return contains(start);
        return start < endMs() && finish > beginMs();
    }
};

// The scale follows the span so that a bar of a day stays visible and the page stays a few
// thousand pixels wide: days up to two months, weeks up to two years, months beyond. A first day
// that follows the project's dates moves back to the start of its week or month, so that the axis
// opens on a tick; one asked for (alignStart false) stays where it was asked.
Axis makeAxis(std::int64_t firstDay, std::int64_t lastDay, bool alignStart) {
    Axis axis;
    const std::int64_t span = lastDay - firstDay + 1;
    if (span <= 62) {
        axis.scale = Scale::days;
        axis.pxPerDay = 28;
    } else if (span <= 732) {
        axis.scale = Scale::weeks;
        axis.pxPerDay = 6;
        // Weeks start on Mondays.
        if (alignStart) firstDay -= (weekDay(firstDay) + 5) % 7;
    } else {
        axis.scale = Scale::months;
        axis.pxPerDay = std::clamp(6000.0 / double(span), 0.25, 3.0);
        int year;
        unsigned month, day;
        CProjectDate(static_cast<std::int32_t>(firstDay)).toYMD(year, month, day);
        if (alignStart) firstDay = CProjectDate::fromYMD(year, month, 1).getDays();
    }
    axis.firstDay = firstDay;
    axis.lastDay = lastDay;
    return axis;
}

// A task of the work breakdown, in pre-order: a task's sub-tree is (its index, end).
struct Node {
    const ITask* task;
    int parent;
    int depth;
    int end;
};

// Every task, parents first, with a work-list rather than recursion: sub-tasks nest to any depth.
std::vector<Node> collectTasks(const CTaskArray& roots) {
    std::vector<Node> nodes;
    struct Pending {
        const ITask* task;
        int parent;
        int depth;
    };
    std::vector<Pending> pending;
    for (int i = roots.GetSize() - 1; i >= 0; --i)
        pending.push_back({&roots.getConstReference(i), -1, 0});
    std::vector<int> open;  // nodes whose sub-tree is still being listed
    while (!pending.empty()) {
        const Pending p = pending.back();
        pending.pop_back();
        while (!open.empty() && open.back() != p.parent) {
            nodes[static_cast<std::size_t>(open.back())].end = static_cast<int>(nodes.size());
            open.pop_back();
        }
        const int index = static_cast<int>(nodes.size());
        nodes.push_back({p.task, p.parent, p.depth, index + 1});
        open.push_back(index);
        const auto subTasks = p.task->getSubTasks();
        for (int i = subTasks.GetSize() - 1; i >= 0; --i)
            pending.push_back({&*subTasks.getConstReference(i), index, p.depth + 1});
    }
    for (const int o : open)
        nodes[static_cast<std::size_t>(o)].end = static_cast<int>(nodes.size());
    return nodes;
}

// Which summary tasks are opened within the row budget: top-level tasks first, then each summary
// task in breadth-first order whose sub-tasks all still fit. Returns the shown rows, in pre-order.
std::vector<int> chooseRows(const std::vector<Node>& nodes, int maxRows) {
    const int n = static_cast<int>(nodes.size());
    std::vector<char> opened(nodes.size(), 0);
    std::vector<int> queue;
    int shown = 0;
    for (int i = 0; i < n && shown < maxRows; i = nodes[static_cast<std::size_t>(i)].end, ++shown)
        queue.push_back(i);
    const int topShown = shown;
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const Node& node = nodes[static_cast<std::size_t>(queue[q])];
        const int children = node.task->getSubTasks().GetSize();
        if (children == 0 || shown + children > maxRows) continue;
        opened[static_cast<std::size_t>(queue[q])] = 1;
        shown += children;
        for (int c = queue[q] + 1; c < node.end; c = nodes[static_cast<std::size_t>(c)].end)
            queue.push_back(c);
    }
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(shown));
    int top = 0;
    for (int i = 0; i < n;) {
        if (nodes[static_cast<std::size_t>(i)].parent < 0 && top++ == topShown) break;
        rows.push_back(i);
        i = opened[static_cast<std::size_t>(i)] ? i + 1 : nodes[static_cast<std::size_t>(i)].end;
    }
    return rows;
}

// The elbow of a link arrow from (fromX, fromY) to (toX, toY). It leaves a finish to the right
// and a start to the left, and enters a start from the left and a finish from the right; when
// the ends overlap it turns at the boundary above (or below) the successor's row. The page's
// script routes the same way (linkPath there) after rows move.
void linkPath(Html& h, double fromX, double fromY, bool fromFinish, double toX, double toY,
              bool toStart) {
    const double out = fromX + (fromFinish ? s_linkStep : -s_linkStep);
    const double in = toX + (toStart ? -s_linkStep : s_linkStep);
    h.raw("M").num(fromX).raw(" ").num(fromY).raw(" H").num(out);
    if (toStart ? out <= in : out >= in) {
        h.raw(" V").num(toY);
    } else {
        const double turn = toY + (toY > fromY ? -s_rowHeight / 2 : s_rowHeight / 2);
        h.raw(" V").num(turn).raw(" H").num(in).raw(" V").num(toY);
    }
    h.raw(" H").num(toX);
}

constexpr std::string_view s_style = R"(
body{font:13px system-ui,sans-serif;margin:16px;color:#222}
h1{font-size:20px}h2{font-size:16px;margin-top:28px}
.scroll{overflow:auto;border:1px solid #ccc;max-height:80vh}
svg text{font-size:11px;dominant-baseline:middle}
.axis text{fill:#555}.axis line{stroke:#ddd}.axis .major{stroke:#aaa}
.nonworking{fill:#f2f2f2}
.row:hover .stripe{fill:#eef4ff}.stripe{fill:transparent}
.label{fill:#222}.row.summary-row .label{font-weight:600}
.toggle{cursor:pointer;fill:#555;user-select:none}
.bar{fill:#4a7fc1}.bar.critical{fill:#c1554a}
.summary{fill:#333}.milestone{fill:#d08a00}
.baseline{fill:#b9b9b9}
.collapsed-note{fill:#777;font-style:italic}
.link{fill:none;stroke:#666;stroke-width:1}
.today{stroke:#e03030;stroke-width:1.5;stroke-dasharray:4 3}
table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:2px 8px;text-align:left}
td.n{text-align:right}
.usage .usage-bar{fill:#6aa56a}
.legend span{display:inline-block;margin-right:14px}
.legend i{display:inline-block;width:18px;height:9px;margin-right:4px;vertical-align:middle}
)";

// Rows are in pre-order, so a row's parent comes before it: one pass finds what is shown.
constexpr std::string_view s_script = R"(
(function(){
var svg=document.getElementById('gantt');if(!svg)return;
var H=+svg.dataset.rowHeight,top=+svg.dataset.top,step=+svg.dataset.linkStep;
var rows=[].slice.call(svg.querySelectorAll('g.row')),links=[].slice.call(svg.querySelectorAll('path.link'));
var shown=[],ys=[];
function linkPath(fx,fy,ff,tx,ty,ts){
var out=fx+(ff?step:-step),inn=tx+(ts?-step:step),d='M'+fx+' '+fy+' H'+out;
if(ts?out<=inn:out>=inn)d+=' V'+ty;else{var t=ty+(ty>fy?-H/2:H/2);d+=' V'+t+' H'+inn+' V'+ty;}
return d+' H'+tx;}
function layout(){
var n=0;
for(var i=0;i<rows.length;i++){var r=rows[i],p=+r.dataset.parent;
var vis=p<0||(shown[p]&&!rows[p].classList.contains('closed'));shown[i]=vis;
r.style.display=vis?'':'none';if(vis){ys[i]=top+n*H;r.setAttribute('transform','translate(0,'+ys[i]+')');n++;}}
svg.setAttribute('height',top+(n+1)*H);
links.forEach(function(l){var a=+l.dataset.from,b=+l.dataset.to;
if(!shown[a]||!shown[b]){l.style.display='none';return;}l.style.display='';
l.setAttribute('d',linkPath(+l.dataset.fx,ys[a]+H/2,l.dataset.ff==='1',+l.dataset.tx,ys[b]+H/2,l.dataset.ts==='1'));});}
svg.addEventListener('click',function(e){var t=e.target.closest('.toggle');if(!t)return;
var r=t.closest('g.row');r.classList.toggle('closed');
t.textContent=r.classList.contains('closed')?'\u25b8':'\u25be';layout();});
layout();svg.dataset.ready='1';})();
)";

// The project calendar's non-working days inside the axis, as runs of whole days. The project
// calendar is the first one; a calendar week or exception naming an unknown day type counts as
// working.
std::vector<std::pair<std::int64_t, std::int64_t>> nonWorkingRuns(const CProjectRoots& project,
                                                                  const Axis& axis) {
    std::vector<std::pair<std::int64_t, std::int64_t>> runs;
    const auto& calendars = project.get<CCalendarRoot>().getArray();
    if (calendars.GetSize() == 0) return runs;
    const ICalendar& calendar = calendars.getConstReference(0);
    const auto dayTypes = calendar.getCalendarDayTypes();
    const auto isNonWorking = [&](const CCalendarDayTypeID& id) {
        const auto type = dayTypes.find(id);
        return !type.isNull() && type->getDayType().getValue() == CalendarDay::NonWorking;
    };
    std::array<bool, 8> weekOff{};
    for (int d = 1; d <= 7; ++d)
        weekOff[static_cast<std::size_t>(d)] =
            isNonWorking(calendar.getCalendarWeek().getDayTypeID(d));
    std::unordered_map<std::int64_t, bool> exceptions;
    const auto& list = calendar.getCalendarDayExceptions();
    for (int i = 0; i < list.GetSize(); ++i) {
        const auto& exception = list.getConstReference(i);
        const std::int64_t day = exception.getDate().getDays();
        if (day >= axis.firstDay && day <= axis.lastDay)
            exceptions[day] = isNonWorking(exception.getCalendarDayTypeID());
    }
    for (std::int64_t day = axis.firstDay; day <= axis.lastDay; ++day) {
        const auto exception = exceptions.find(day);
        const bool off = exception != exceptions.end()
                             ? exception->second
                             : weekOff[static_cast<std::size_t>(weekDay(day))];
        if (!off) continue;
        if (!runs.empty() && runs.back().second == day)
            runs.back().second = day + 1;
        else
            runs.emplace_back(day, day + 1);
    }
    return runs;
}

// Months between labelled ticks: on a long months scale, every month would put its name on its
// neighbours', so ticks step by 2, 3 or 6 months or by whole years until names fit.
int monthStep(const Axis& axis) {
    if (axis.scale != Scale::months) return 1;
    static constexpr int steps[] = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600};
    for (const int step : steps)
        if (double(step) * 30.4 * axis.pxPerDay >= 64) return step;
    return 1200;
}

void writeAxis(Html& h, const Axis& axis, double height) {
    h.raw("<g class=\"axis\">");
    const int step = monthStep(axis);
    static constexpr const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int lastMonth = -1;
    for (std::int64_t day = axis.firstDay; day <= axis.lastDay + 1; ++day) {
        int year;
        unsigned month, dayOfMonth;
        CProjectDate(static_cast<std::int32_t>(day)).toYMD(year, month, dayOfMonth);
        const double x = axis.xOfDay(day);
        // The first month is named only when enough of it is shown for its name to fit.
        const bool onStep = (year * 12 + int(month) - 1) % step == 0;
        const bool monthStart =
            (dayOfMonth == 1 && onStep) ||
            (step == 1 && lastMonth < 0 && (31 - int(dayOfMonth)) * axis.pxPerDay > 60);
        const bool tick = axis.scale == Scale::days ||
                          (axis.scale == Scale::weeks && weekDay(day) == 2) ||
                          (dayOfMonth == 1 && onStep);
        if (monthStart && day <= axis.lastDay) {
            h.raw("<text x=\"").num(x + 3).raw("\" y=\"10\">");
            if (step < 12) h.raw(months[month - 1]).raw(" ");
            h.num(year).raw("</text>");
        }
        lastMonth = static_cast<int>(month);
        if (!tick) continue;
        h.raw("<line").raw(dayOfMonth == 1 ? " class=\"major\"" : "").raw(" x1=\"").num(x);
        h.raw("\" x2=\"").num(x).raw("\" y1=\"").num(s_headerHeight / 2).raw("\" y2=\"");
        h.num(height).raw("\"/>");
        const bool numbered =
            axis.scale == Scale::days || (axis.scale == Scale::weeks && weekDay(day) == 2);
        if (numbered && day <= axis.lastDay) {
            h.raw("<text x=\"").num(x + 2).raw("\" y=\"").num(s_headerHeight * 0.75).raw("\">");
            h.num(static_cast<int>(dayOfMonth)).raw("</text>");
        }
    }
    h.raw("</g>");
}

struct Dates {
    std::int64_t start = CProjectTime::s_invalid;
    std::int64_t finish = CProjectTime::s_invalid;
    bool valid() const {
        return start != CProjectTime::s_invalid && finish != CProjectTime::s_invalid;
    }
};

class Report {
public:
    Report(const CProjectRoots& project, const ReportOptions& options)
        : m_project(project),
          m_options(options),
          m_tasks(project.get<CTaskRoot>().getArray()),
          m_calculation(m_tasks) {}

    ReportCounts write(std::ostream& out) {
        const auto& baselines = m_project.get<CProjectBaselineRoot>().getArray();
        if (m_options.baseline < 0 || m_options.baseline > baselines.GetSize())
            throw std::invalid_argument("no baseline " + std::to_string(m_options.baseline) +
                                        ": the project has " + std::to_string(baselines.GetSize()) +
                                        (baselines.GetSize() == 1 ? " baseline" : " baselines"));
        if (m_options.baseline > 0)
            m_baseline = &baselines.getConstReference(m_options.baseline - 1);
        m_nodes = collectTasks(m_tasks);
        m_rows = chooseRows(m_nodes, std::max(1, m_options.maxRows));
        m_dates.resize(m_nodes.size());
        for (std::size_t i = 0; i < m_nodes.size(); ++i) m_dates[i] = scheduled(*m_nodes[i].task);
        m_axis = chooseAxis();
        m_findings = checkProject(m_project);

        m_html.raw(
            "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
            "<meta name=\"viewport\" content=\"width=device-width\"><title>");
        m_html.text(m_options.title).raw(" \xE2\x80\x94 project report</title><style>");
        m_html.raw(s_style).raw("</style></head>\n<body>");
        const std::size_t rootAt = m_html.str().size();
        m_html.raw("<h1>").text(m_options.title).raw("</h1>\n");
        gantt();
        usage();
        resources();
        kindCounts();
        findings();
        m_html.raw("<script>").raw(s_script).raw("</script>\n</main></body></html>\n");

        // The root element leads the body but carries counts known only now: written last,
        // streamed in its place.
        Html root;
        root.raw("<main id=\"report\"");
        for (const auto& [name, member] : s_countFields)
            root.raw(" data-").raw(name).raw("=\"").num(m_counts.*member).raw("\"");
        // The time axis's first and last day.
        root.raw(" data-from=\"").date(m_axis.firstDay).raw("\" data-to=\"");
        root.date(m_axis.lastDay).raw("\">\n");
        const std::string& page = m_html.str();
        out.write(page.data(), static_cast<std::streamsize>(rootAt));
        out << root.str();
        out.write(page.data() + rootAt, static_cast<std::streamsize>(page.size() - rootAt));
        return m_counts;
    }

private:
    Dates scheduled(const ITask& task) const {
        const auto& schedule = m_calculation.getCriticalPathAccessor();
        return {schedule.getScheduledStart(task).getMilliseconds(),
                schedule.getScheduledFinish(task).getMilliseconds()};
    }

    Axis chooseAxis() const {
        std::int64_t first = INT64_MAX, last = INT64_MIN;
        for (const Dates& d : m_dates) {
            if (!d.valid()) continue;
            first = std::min(first, floorDiv(d.start, s_dayMs));
            last = std::max(last, floorDiv(std::max(d.finish - 1, d.start), s_dayMs));
        }
        if (first > last) first = last = floorDiv(m_options.today.getMilliseconds(), s_dayMs);
        const auto& from = m_options.from;
        const auto& to = m_options.to;
        if (from && to && *to < *from)
            throw std::invalid_argument("the window ends (" + toIsoDate(*to) +
                                        ") before it starts (" + toIsoDate(*from) + ")");
        if (from) first = from->getDays();
        if (to) last = to->getDays();
        // An end that follows the project gives way to the one asked for: a window asked to end
        // before the project starts is that one day, not the project's first.
        if (last < first) {
            if (to)
                first = last;
            else
                last = first;
        }
        return makeAxis(first, last, !from);
    }

    void legend() {
        m_html.raw(
            "<p class=\"legend\"><span><i style=\"background:#4a7fc1\"></i>task</span>"
            "<span><i style=\"background:#c1554a\"></i>critical</span>"
            "<span><i style=\"background:#333\"></i>summary</span>"
            "<span><i style=\"background:#d08a00\"></i>milestone</span>");
        if (m_baseline) {
            m_html.raw("<span><i style=\"background:#b9b9b9\"></i>baseline: ");
            m_html.text(m_baseline->getName().getString()).raw("</span>");
        }
        m_html.raw("<span>scale: ")
            .raw(m_axis.scale == Scale::days    ? "days"
                 : m_axis.scale == Scale::weeks ? "weeks"
                                                : "months")
            .raw(", ")
            .date(m_axis.firstDay)
            .raw(" to ")
            .date(m_axis.lastDay)
            .raw("</span></p>\n");
    }

    void gantt() {
        m_html.raw("<h2>Schedule</h2>\n");
        legend();
        const double width = m_axis.right() + 20;
        const double height = s_headerHeight + double(m_rows.size() + 1) * s_rowHeight;
        m_html.raw("<div class=\"scroll\"><svg id=\"gantt\" xmlns=\"http://www.w3.org/2000/svg\"");
        m_html.attr("width", width).attr("height", height);
        m_html.attr("data-row-height", s_rowHeight).attr("data-top", s_headerHeight);
        m_html.attr("data-link-step", s_linkStep);
        m_html.raw(
            "><defs><marker id=\"arrow\" viewBox=\"0 0 6 6\" refX=\"6\" refY=\"3\" "
            "markerWidth=\"6\" markerHeight=\"6\" orient=\"auto\"><path d=\"M0 0 L6 3 L0 6 "
            "z\" fill=\"#666\"/></marker><clipPath id=\"labels\"><rect width=\"");
        m_html.num(s_labelWidth - 6).raw("\" height=\"").num(s_rowHeight).raw("\"/></clipPath>");
        m_html.raw("</defs>");
        if (m_axis.scale != Scale::months) {
            for (const auto& [from, to] : nonWorkingRuns(m_project, m_axis)) {
                m_html.raw("<rect class=\"nonworking\" x=\"").num(m_axis.xOfDay(from));
                m_html.raw("\" y=\"").num(s_headerHeight).raw("\" width=\"");
                m_html.num(double(to - from) * m_axis.pxPerDay).raw("\" height=\"");
                m_html.num(height).raw("\"/>");
            }
        }
        writeAxis(m_html, m_axis, height);

        std::unordered_map<const ITask*, int> rowOf;
        rowOf.reserve(m_rows.size());
        std::vector<int> rowOfNode(m_nodes.size(), -1);
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            rowOf.emplace(m_nodes[static_cast<std::size_t>(m_rows[r])].task, static_cast<int>(r));
            rowOfNode[static_cast<std::size_t>(m_rows[r])] = static_cast<int>(r);
        }
        for (std::size_t r = 0; r < m_rows.size(); ++r) row(static_cast<int>(r), rowOfNode);
        m_counts.rows = static_cast<int>(m_rows.size());
        m_counts.hidden = static_cast<int>(m_nodes.size()) - m_counts.rows;

        const ITaskAccessor& tasks = m_calculation.getTaskAccessor();
        const ICriticalPathAccessor& schedule = m_calculation.getCriticalPathAccessor();
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            const Node& successor = m_nodes[static_cast<std::size_t>(m_rows[r])];
            const Dates& to = m_dates[static_cast<std::size_t>(m_rows[r])];
            const auto links = successor.task->getUpstreamLinks();
            for (int l = 0; l < links.GetSize(); ++l) {
                const ILink& link = *links.getConstReference(l);
                const ITask* upstream = tasks.findTask(link.getUpstreamTaskID());
                const auto found = upstream ? rowOf.find(upstream) : rowOf.end();
                if (found == rowOf.end() || !to.valid()) continue;
                const int p = found->second;
                const Dates& from =
                    m_dates[static_cast<std::size_t>(m_rows[static_cast<std::size_t>(p)])];
                if (!from.valid()) continue;
                const LinkType type = link.getType().getValue();
                const bool fromFinish =
                    type == LinkType::FinishToStart || type == LinkType::FinishToFinish;
                const bool toStart =
                    type == LinkType::FinishToStart || type == LinkType::StartToStart;
                const std::int64_t fromMs = fromFinish ? from.finish : from.start;
                const std::int64_t toMs = toStart ? to.start : to.finish;
                // An arrow wholly before or after the window would be pinned to its edge.
                if (std::max(fromMs, toMs) < m_axis.beginMs() ||
                    std::min(fromMs, toMs) >= m_axis.endMs())
                    continue;
                const double fx = clampX(m_axis.x(fromMs));
                const double tx = clampX(m_axis.x(toMs));
                const double fy = rowY(p) + s_rowHeight / 2;
                const double ty = rowY(static_cast<int>(r)) + s_rowHeight / 2;
                m_html.raw("<path class=\"link")
                    .raw(schedule.isLinkCritical(link.getID()) ? " critical" : "")
                    .raw("\" marker-end=\"url(#arrow)\"")
                    .attr("data-from", p)
                    .attr("data-to", static_cast<int>(r))
                    .attr("data-fx", fx)
                    .attr("data-tx", tx)
                    .raw(fromFinish ? " data-ff=\"1\"" : " data-ff=\"0\"")
                    .raw(toStart ? " data-ts=\"1\"" : " data-ts=\"0\"")
                    .raw(" data-type=\"")
                    .raw(link.getType().name())
                    .raw("\" d=\"");
                linkPath(m_html, fx, fy, fromFinish, tx, ty, toStart);
                m_html.raw("\"/>");
                ++m_counts.links;
            }
        }

        const std::int64_t today = m_options.today.getMilliseconds();
        if (m_options.today.isValid() && m_axis.contains(today)) {
            const double x = m_axis.x(today);
            m_html.raw("<line class=\"today\" x1=\"").num(x).raw("\" x2=\"").num(x);
            m_html.raw("\" y1=\"").num(s_headerHeight / 2).raw("\" y2=\"").num(height);
            m_html.raw("\"><title>today</title></line>");
        }
        m_html.raw("</svg></div>\n");
    }

    static double rowY(int r) { return s_headerHeight + double(r) * s_rowHeight; }
    double clampX(double x) const { return std::clamp(x, s_labelWidth, m_axis.right()); }

    void row(int r, const std::vector<int>& rowOfNode) {
        const int n = m_rows[static_cast<std::size_t>(r)];
        const Node& node = m_nodes[static_cast<std::size_t>(n)];
        const ITask& task = *node.task;
        const Dates& dates = m_dates[static_cast<std::size_t>(n)];
        const bool summary = node.end > n + 1;
        const bool open = summary && r + 1 < static_cast<int>(m_rows.size()) &&
                          m_rows[static_cast<std::size_t>(r) + 1] == n + 1;
        const int hidden = open ? 0 : node.end - n - 1;
        const bool milestone =
            !summary && (task.isMilestone() || (dates.valid() && dates.start == dates.finish));
        const int parentRow =
            node.parent < 0 ? -1 : rowOfNode[static_cast<std::size_t>(node.parent)];

        m_html.raw("<g class=\"row")
            .raw(summary ? " summary-row" : "")
            .raw(hidden ? " collapsed" : "")
            .raw("\"")
            .attr("data-row", r)
            .attr("data-parent", parentRow)
            .attr("data-depth", node.depth)
            .raw(" transform=\"translate(0,")
            .num(rowY(r))
            .raw(")\"><title>")
            .text(task.getName().getString());
        if (dates.valid()) {
            m_html.raw("\n").date(floorDiv(dates.start, s_dayMs)).raw(" \xE2\x80\x93 ");
            m_html.date(floorDiv(std::max(dates.finish - 1, dates.start), s_dayMs));
        }
        m_html.raw("</title><rect class=\"stripe\" width=\"").num(m_axis.right());
        m_html.raw("\" height=\"").num(s_rowHeight).raw("\"/>");
        const double indent = 6 + s_indent * std::min(node.depth, 16);
        if (open)
            m_html.raw("<text class=\"toggle\" x=\"")
                .num(indent)
                .raw("\" y=\"11\">\xE2\x96\xBE</text>");
        m_html.raw("<text class=\"label\" clip-path=\"url(#labels)\" x=\"").num(indent + 12);
        m_html.raw("\" y=\"11\">").text(task.getName().getString()).raw("</text>");

        if (m_baseline && !summary) baselineBar(task);
        if (dates.valid()) {
            const double x0 = m_axis.x(dates.start), x1 = m_axis.x(dates.finish);
            // A milestone shows where it falls; a bar or bracket overlapping the window is clipped.
            const bool visible =
                milestone ? m_axis.contains(dates.start) : m_axis.shows(dates.start, dates.finish);
            const double a = clampX(x0), b = clampX(x1);
            if (visible && milestone) {
                m_html.raw("<path class=\"milestone\" d=\"M")
                    .num(a)
                    .raw(" 5 l6 6 l-6 6 l-6 -6 z\"/>");
                ++m_counts.milestones;
            } else if (visible && summary) {
                m_html.raw("<path class=\"summary\" d=\"M").num(a).raw(" 5 H").num(b);
                m_html.raw(" V13 l-4 -4 H").num(a + 4).raw(" l-4 4 z\"/>");
                ++m_counts.summaries;
            } else if (visible) {
                const bool critical =
                    m_calculation.getCriticalPathAccessor().isCritical(task.getID());
                m_html.raw(critical ? "<rect class=\"bar critical\" x=\""
                                    : "<rect class=\"bar\" x=\"");
                m_html.num(a).raw("\" y=\"").num(s_barTop).raw("\" width=\"");
                m_html.num(std::max(b - a, 1.0)).raw("\" height=\"").num(s_barHeight);
                m_html.raw("\" rx=\"2\"/>");
                ++m_counts.bars;
            }
            if (hidden) {
                m_html.raw("<text class=\"collapsed-note\" x=\"")
                    .num(std::min(b, m_axis.right()) + 8);
                m_html.raw("\" y=\"11\">")
                    .num(hidden)
                    .raw(hidden == 1 ? " task hidden" : " tasks hidden");
                m_html.raw("</text>");
            }
        }
        if (hidden) ++m_counts.collapsed;
        m_html.raw("</g>");
    }

    void baselineBar(const ITask& task) {
        const auto data = m_baseline->getBaselinedTasks().find(task.getID());
        if (data.isNull()) return;
        const CProjectTime& start = data->getStartTime();
        const CProjectTime& finish = data->getFinishTime();
        if (!start.isValid() || !finish.isValid()) return;
        if (!m_axis.shows(start.getMilliseconds(), finish.getMilliseconds())) return;
        const double a = clampX(m_axis.x(start.getMilliseconds())),
                     b = clampX(m_axis.x(finish.getMilliseconds()));
        m_html.raw("<rect class=\"baseline\" x=\"").num(a).raw("\" y=\"").num(s_baselineTop);
        m_html.raw("\" width=\"").num(std::max(b - a, 1.0)).raw("\" height=\"4\"/>");
        ++m_counts.baselines;
    }

    // Every resource and sub-resource, parents first.
    std::vector<const IResource*> allResources() const {
        std::vector<const IResource*> list, pending;
        const auto& roots = m_project.get<CResourceRoot>().getArray();
        for (int i = roots.GetSize() - 1; i >= 0; --i)
            pending.push_back(&roots.getConstReference(i));
        while (!pending.empty()) {
            const IResource* resource = pending.back();
            pending.pop_back();
            list.push_back(resource);
            const auto subs = resource->getSubResources();
            for (int i = subs.GetSize() - 1; i >= 0; --i)
                pending.push_back(&*subs.getConstReference(i));
        }
        return list;
    }

    // Assigned work per resource and week: units times the task's hours, spread evenly over its
    // days, for every task shown or hidden. Weeks start on Mondays and count from the axis's.
    void usage() {
        m_resources = allResources();
        std::unordered_map<CResourceID, int> resourceOf;
        resourceOf.reserve(m_resources.size());
        for (std::size_t i = 0; i < m_resources.size(); ++i)
            resourceOf.emplace(m_resources[i]->getID(), static_cast<int>(i));

        const std::int64_t monday = m_axis.firstDay - (weekDay(m_axis.firstDay) + 5) % 7;
        struct Work {
            int resource;
            std::int64_t week;
            double hours;
        };
        std::vector<Work> work;
        const auto add = [&](const CAssignedResourceParameters& p, const Dates& d) {
            const auto found = resourceOf.find(p.getResourceID());
            if (found == resourceOf.end() || d.finish <= d.start) return;
            const double units =
                p.getUnitsPerTime().isValid() ? p.getUnitsPerTime().getValue() : 1.0;
            const double perMs = units / 3'600'000.0;
            const std::int64_t from = std::max(d.start, m_axis.firstDay * s_dayMs);
            const std::int64_t to = std::min(d.finish, (m_axis.lastDay + 1) * s_dayMs);
            for (std::int64_t t = from; t < to;) {
                const std::int64_t week = floorDiv(floorDiv(t, s_dayMs) - monday, 7);
                const std::int64_t weekEnd = (monday + (week + 1) * 7) * s_dayMs;
                const std::int64_t end = std::min(to, weekEnd);
                work.push_back({found->second, week, double(end - t) * perMs});
                t = end;
            }
        };
        for (std::size_t i = 0; i < m_nodes.size(); ++i) {
            const ITask& task = *m_nodes[i].task;
            const Dates& d = m_dates[i];
            if (!d.valid()) continue;
            const auto assigned = task.getAssignedResources();
            for (int a = 0; a < assigned.GetSize(); ++a)
                add(assigned.getConstReference(a)->getParameters(), d);
            const auto groups = task.getAssignedResourceGroups();
            for (int g = 0; g < groups.GetSize(); ++g) {
                const auto& members = groups.getConstReference(g)->getParameters();
                for (int m = 0; m < members.GetSize(); ++m) add(members.getConstReference(m), d);
            }
        }
        std::sort(work.begin(), work.end(), [](const Work& a, const Work& b) {
            return a.resource != b.resource ? a.resource < b.resource : a.week < b.week;
        });

        m_html.raw(
            "<h2>Resource usage</h2>\n<p>Assigned work per week, in unit-hours (units "
            "per time \xC3\x97 hours of the task, spread evenly over it).</p>\n");
        const double width = m_axis.right() + 20;
        const int limit = std::max(0, m_options.maxResources);
        int undrawn = 0;
        for (std::size_t begin = 0; begin < work.size();) {
            if (m_counts.resources == limit) {
                // Count the remaining resources with work instead of drawing them.
                for (std::size_t end = begin; end < work.size(); ++end)
                    undrawn += end == begin || work[end].resource != work[end - 1].resource;
                break;
            }
            std::size_t end = begin;
            double peak = 0, total = 0;
            // Merge each week's entries, in place.
            std::size_t merged = begin;
            for (; end < work.size() && work[end].resource == work[begin].resource; ++end) {
                if (end > begin && work[end].week == work[merged].week) {
                    work[merged].hours += work[end].hours;
                } else {
                    if (end > begin) ++merged;
                    work[merged] = work[end];
                }
            }
            for (std::size_t w = begin; w <= merged; ++w) {
                peak = std::max(peak, work[w].hours);
                total += work[w].hours;
            }
            const IResource& resource =
                *m_resources[static_cast<std::size_t>(work[begin].resource)];
            m_html.raw("<svg class=\"usage\" xmlns=\"http://www.w3.org/2000/svg\"");
            m_html.attr("width", width).attr("height", 48.0).raw("><text x=\"6\" y=\"16\">");
            m_html.text(resource.getName().getString())
                .raw("</text><text x=\"6\" y=\"34\" fill=\"#777\">");
            m_html.num(total, 0).raw(" h, peak ").num(peak, 0).raw(" h/week</text>");
            for (std::size_t w = begin; w <= merged; ++w) {
                const double h = peak > 0 ? 40.0 * work[w].hours / peak : 0;
                const double x0 = std::max(m_axis.xOfDay(monday + work[w].week * 7), s_labelWidth);
                const double x1 =
                    std::min(m_axis.xOfDay(monday + work[w].week * 7 + 7), m_axis.right());
                m_html.raw("<rect class=\"usage-bar\" x=\"").num(x0).raw("\" y=\"").num(44 - h);
                m_html.raw("\" width=\"")
                    .num(std::max(x1 - x0 - 1, 1.0))
                    .raw("\" height=\"")
                    .num(h);
                m_html.raw("\"><title>").date(monday + work[w].week * 7).raw(": ");
                m_html.num(work[w].hours, 1).raw(" h</title></rect>");
            }
            m_html.raw("</svg>\n");
            ++m_counts.resources;
            begin = end;
        }
        if (m_counts.resources == 0) m_html.raw("<p>No work is assigned in this window.</p>\n");
        if (undrawn > 0)
            m_html.raw("<p class=\"more\">")
                .num(undrawn)
                .raw(" more resources with assigned work are not drawn (--max-resources).</p>\n");
    }

    void resources() {
        m_html.raw(
            "<h2>Resources</h2>\n<table class=\"resources\"><tr><th>Code</th><th>Name</th>"
            "<th>Type</th><th>Unit</th><th>Rates (from: per day)</th></tr>\n");
        const std::size_t limit = static_cast<std::size_t>(std::max(0, m_options.maxResources));
        for (const IResource* resource : m_resources) {
            if (static_cast<std::size_t>(m_counts.resourceRows) == limit) break;
            ++m_counts.resourceRows;
            m_html.raw("<tr><td>").text(resource->getResourceCode().getString());
            m_html.raw("</td><td>").text(resource->getName().getString());
            m_html.raw("</td><td>").raw(resource->getType().name());
            m_html.raw("</td><td>").raw(resource->getResourceUnitType().name()).raw("</td><td>");
            const auto rates = resource->getResourceRates();
            for (int i = 0; i < rates.GetSize(); ++i) {
                const IResourceRate& rate = *rates.getConstReference(i);
                if (i > 0) m_html.raw("; ");
                m_html.date(rate.getEffectiveDate().getDays())
                    .raw(": ")
                    .num(rate.getUseRatePerDay());
            }
            m_html.raw("</td></tr>\n");
        }
        m_html.raw("</table>\n");
        if (m_resources.size() > limit)
            m_html.raw("<p class=\"more\">")
                .num(static_cast<long long>(m_resources.size() - limit))
                .raw(" more resources are not listed (--max-resources).</p>\n");
    }

    // Objects per kind, counted over the project index, which lists every kind the store has.
    void kindCounts() {
        const ProjectIndex index(m_project, ProjectIndex::Lookups::none);
        std::array<int, kindCount> counts{};
        for (const IndexedObject& object : index.objects()) ++counts[object.kind];
        m_html.raw(
            "<h2>Objects</h2>\n<table class=\"kinds\"><tr><th>Kind</th><th>Objects</th></tr>\n");
        for (int k = 0; k < kindCount; ++k) {
            if (counts[static_cast<std::size_t>(k)] == 0) continue;
            m_html.raw("<tr><td>").raw(kinds()[static_cast<std::size_t>(k)].name);
            m_html.raw("</td><td class=\"n\">")
                .num(counts[static_cast<std::size_t>(k)])
                .raw("</td></tr>\n");
        }
        m_html.raw("<tr><th>all</th><td class=\"n\">")
            .num(index.size())
            .raw("</td></tr></table>\n");
    }

    void findings() {
        m_counts.findings = static_cast<int>(m_findings.size());
        m_html.raw("<h2>Check</h2>\n");
        if (m_findings.empty()) {
            m_html.raw(
                "<p class=\"check-clean\">No findings: every reference names an object.</p>\n");
            return;
        }
        m_html.raw("<ul class=\"findings\">\n");
        for (const Finding& finding : m_findings)
            m_html.raw("<li class=\"finding\">").text(toText(finding)).raw("</li>\n");
        m_html.raw("</ul>\n");
    }

    const CProjectRoots& m_project;
    const ReportOptions& m_options;
    const CTaskArray& m_tasks;
    const SampleCalculation m_calculation;
    std::vector<Node> m_nodes;
    std::vector<int> m_rows;
    std::vector<Dates> m_dates;
    std::vector<const IResource*> m_resources;
    std::vector<Finding> m_findings;
    const IProjectBaseline* m_baseline = nullptr;
    Axis m_axis;
    Html m_html;
    ReportCounts m_counts;
};

}  // namespace

ReportCounts writeHtmlReport(std::ostream& out, const CProjectRoots& project,
                             const ReportOptions& options) {
    return Report(project, options).write(out);
}

std::string toText(const ReportCounts& counts) {
    std::string text;
    for (const auto& [name, member] : s_countFields) {
        if (!text.empty()) text += ' ';
        text += name;
        text += '=';
        text += std::to_string(counts.*member);
    }
    return text;
}

std::optional<CProjectDate> parseIsoDate(std::string_view text) {
    int year = 0;
    unsigned month = 0, day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    // Digits only: from_chars would take "-001" for a year.
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return std::nullopt;
    const auto parse = [&](std::size_t at, std::size_t length, auto& value) {
        const char* first = text.data() + at;
        const auto [end, error] = std::from_chars(first, first + length, value);
        return error == std::errc{} && end == first + length;
    };
    if (!parse(0, 4, year) || !parse(5, 2, month) || !parse(8, 2, day)) return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const CProjectDate date = CProjectDate::fromYMD(year, month, day);
    int y;
    unsigned m, d;
    date.toYMD(y, m, d);
    if (y != year || m != month || d != day) return std::nullopt;  // 31 February
    return date;
}

std::string toIsoDate(const CProjectDate& date) {
    Html text;
    text.date(date.getDays());
    return text.str();
}

}  // namespace zxtool
