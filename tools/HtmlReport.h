// HtmlReport: `zxstore report`, one self-contained HTML page about a project: a Gantt chart of the
// work breakdown (hand-written SVG), weekly assigned work per resource, the resources and their
// rates, the count of objects per kind and the integrity check's findings.
//
// Promises:
//   - the page loads nothing: its style and its one small script are inline, and it names no
//     URL. Every text taken from the project is HTML-escaped and written as UTF-8 exactly;
//   - the work is linear in the project's size (sorting a resource's weekly work aside): the page
//     is appended to one buffer, never rebuilt;
//   - at most maxResources resources get a usage chart and a row of the resource table, the
//     rest a count, so a project of many resources still gives a page a browser opens at once;
//   - at most maxRows task rows are drawn. Summary tasks are opened breadth first while their
//     sub-tasks still fit; a summary task left closed is drawn with its bar and the number of
//     tasks it hides. Links are drawn between shown rows only;
//   - the time axis runs from `from` to `to`, an unset end following the project's dates. Bars,
//     brackets and baseline bars are drawn where they overlap it, clipped to it, milestones when
//     they fall inside it, and link arrows when they reach into it;
//   - task dates are the scheduled dates of SampleCalculation (the tools' stand-in for the host's
//     scheduler), so summary tasks span their sub-tasks; baseline bars are those of the baseline
//     asked for (the project's first by default);
//   - the root element carries what was drawn as data attributes (ReportCounts), which the
//     command can also print, so that a test can compare the rendered page with them, and the
//     time axis's first and last day (data-from, data-to).
// Writing only reads the project.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "basetypes/CProjectTime.h"
#include "project/CProjectRoots.h"

namespace zxtool {

struct ReportOptions {
    // Shown as the page's heading (the document's file name, say).
    std::string title;
    // The window of the time axis, both days shown; an unset end follows the project's dates (and
    // gives way to the other end when the project lies wholly beyond it). writeHtmlReport throws
    // std::invalid_argument, writing nothing, when to is before from.
    std::optional<CProjectDate> from;
    std::optional<CProjectDate> to;
    int maxRows = 2000;
    int maxResources = 200;
    // Whose bars are drawn beneath the tasks': the project's baseline at this 1-based index, none
    // at 0. writeHtmlReport throws std::invalid_argument, writing nothing, when the project has
    // no such baseline.
    int baseline = 1;
    // Where the "today" line goes, when inside the window.
    CProjectTime today = CProjectTime::GetTickCount();
};

// What the page shows, as counted while it was written.
struct ReportCounts {
    int rows = 0;          // task rows
    int bars = 0;          // bars of tasks without sub-tasks
    int summaries = 0;     // summary brackets
    int milestones = 0;    // milestone diamonds
    int links = 0;         // link arrows
    int baselines = 0;     // baseline bars
    int collapsed = 0;     // summary rows that hide their sub-tasks
    int hidden = 0;        // tasks not drawn
    int resources = 0;     // resource usage charts
    int resourceRows = 0;  // rows of the resource table
    int findings = 0;      // integrity check findings
};

ReportCounts writeHtmlReport(std::ostream& out, const CProjectRoots& project,
                             const ReportOptions& options);

// "rows=12 bars=9 ...": the counts on one line, in the order of the struct.
std::string toText(const ReportCounts& counts);

// A date written YYYY-MM-DD, or nothing when the text is not a real date.
std::optional<CProjectDate> parseIsoDate(std::string_view text);
// The date written YYYY-MM-DD.
std::string toIsoDate(const CProjectDate& date);

}  // namespace zxtool
