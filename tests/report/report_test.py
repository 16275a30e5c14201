#!/usr/bin/env python3
"""`zxstore report` end to end: the page as a browser renders it.

Usage: report_test.py ZXSTORE WORKDIR

Renders each page with headless chromium (--dump-dom runs the page's script) and checks the
rendered DOM against the counts the command prints: task rows, bars, links, baselines. Also that a
task name full of markup, quotes and non-Latin text shows exactly and runs nothing, that
--max-rows closes summary rows instead of dropping tasks silently, that a screenshot renders, that
clicking summary rows' toggles hides and shows the right rows and arrows, that --from/--to bound
the time axis, clip what crosses its edges and refuse a window or date that is not one, and that
--baseline N draws the N-th baseline's bars where its dates put them, 0 none.
"""
import datetime
import html.parser
import json
import os
import shutil
import subprocess
import sys

ZXSTORE, WORK = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def run(*args):
    result = subprocess.run([ZXSTORE, *args], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"zxstore {' '.join(args)} exited {result.returncode}: {result.stderr}")
    return result.stdout


def browser():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    sys.exit("chromium is not installed: the report test renders pages with it "
             "(scripts/deps.sh installs it, or: apt-get install chromium)")


CHROMIUM = browser()
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                  "--disable-extensions", "--user-data-dir=" + os.path.join(WORK, "profile")]


def render(page):
    result = subprocess.run([CHROMIUM, *CHROMIUM_FLAGS, "--dump-dom", "file://" + page],
                            capture_output=True, text=True, timeout=60)
    if result.returncode != 0 or "<html" not in result.stdout:
        sys.exit(f"chromium could not render {page}: {result.stderr[-2000:]}")
    return Dom(result.stdout)


class Dom(html.parser.HTMLParser):
    """Elements by tag with their attributes and classes, and the text of each element."""

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.elements = []  # (tag, attributes, [text pieces])
        self.stack = []
        self.title = ""
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        element = (tag, dict(attrs), [])
        self.elements.append(element)
        if tag not in ("meta", "link", "br", "img", "input"):
            self.stack.append(element)

    def handle_startendtag(self, tag, attrs):
        self.elements.append((tag, dict(attrs), []))

    def handle_endtag(self, tag):
        if any(e[0] == tag for e in self.stack):
            while self.stack.pop()[0] != tag:
                pass

    def handle_data(self, data):
        if self.stack:
            self.stack[-1][2].append(data)
            if self.stack[-1][0] == "title" and len(self.stack) <= 3:
                self.title += data

    def with_class(self, tag, cls):
        return [e for e in self.elements
                if e[0] == tag and cls in e[1].get("class", "").split()]

    def root(self):
        return next(e[1] for e in self.elements if e[1].get("id") == "report")


def walk_objects(node):
    """Every object of a project converted to JSON, nested ones too."""
    if isinstance(node, dict):
        if "kind" in node:
            yield node
        for value in node.values():
            yield from walk_objects(value)
    elif isinstance(node, list):
        for value in node:
            yield from walk_objects(value)


def counts(printed):
    return {k: int(v) for k, v in (field.split("=") for field in printed.split())}


def check_page(dom, expected, label):
    root = dom.root()
    for name, value in expected.items():
        check(int(root["data-" + name]) == value,
              f"{label}: data-{name} is {root['data-' + name]}, the command printed {value}")
    rows = dom.with_class("g", "row")
    check(len(rows) == expected["rows"], f"{label}: {len(rows)} rows rendered, "
          f"{expected['rows']} expected")
    check(len(dom.with_class("rect", "bar")) == expected["bars"], f"{label}: bar count")
    check(len(dom.with_class("path", "summary")) == expected["summaries"],
          f"{label}: summary bracket count")
    check(len(dom.with_class("path", "milestone")) == expected["milestones"],
          f"{label}: milestone count")
    check(len(dom.with_class("rect", "baseline")) == expected["baselines"],
          f"{label}: baseline bar count")
    links = dom.with_class("path", "link")
    check(len(links) == expected["links"], f"{label}: {len(links)} link arrows rendered, "
          f"{expected['links']} expected")
    # Arrows run between drawn rows; the page's script laid them out and left them visible.
    for _, link, _ in links:
        check(0 <= int(link["data-from"]) < len(rows) and 0 <= int(link["data-to"]) < len(rows),
              f"{label}: a link names a row that is not drawn")
        check("display: none" not in link.get("style", ""), f"{label}: a link is hidden")
    gantt = next(e[1] for e in dom.elements if e[1].get("id") == "gantt")
    check(gantt.get("data-ready") == "1", f"{label}: the page's script did not run")
    check(len(dom.with_class("svg", "usage")) == expected["resources"],
          f"{label}: resource usage chart count")


os.makedirs(WORK, exist_ok=True)
sample = os.path.join(WORK, "sample.zxp")
run("demo", sample, "--scale", "60")

# The sample as it is: every task drawn, rows and arrows as counted.
page = os.path.join(WORK, "sample.html")
full = counts(run("report", sample, "-o", page, "--print-counts"))
check(full["rows"] > 60 and full["links"] > 0 and full["baselines"] > 0 and full["hidden"] == 0,
      f"the sample's report draws every task, its links and baselines: {full}")
dom = sample_dom = render(page)
check_page(dom, full, "sample")
check(len(dom.with_class("li", "finding")) == 0, "the sample has no check findings")
check(any(e[0] == "table" and "kinds" in e[1].get("class", "") for e in dom.elements),
      "the page lists objects per kind")
with open(page, encoding="utf-8") as f:
    text = f.read()
check('<meta charset="utf-8">' in text, "the page declares UTF-8")
for external in ("src=", "href=", "@import", "url(http"):
    check(external not in text, f"the page loads nothing from outside ({external})")

shot = os.path.join(WORK, "sample.png")
subprocess.run([CHROMIUM, *CHROMIUM_FLAGS, "--screenshot=" + shot, "--window-size=1400,900",
                "file://" + page], capture_output=True, timeout=60)
with open(shot, "rb") as f:
    png = f.read()
check(png[:8] == b"\x89PNG\r\n\x1a\n" and len(png) > 10_000, "the screenshot is a PNG image")

# Clicking summary rows' toggles, as a person would: a script appended to a copy of the page clicks
# whatever element lies under each toggle's centre (so a toggle covered by something else fails),
# after the page's own script ran, and records what is displayed after each click.
#   close the target summary row, close its parent, reopen the parent (the target stays closed),
#   reopen the target; a click on the target's label first, which must change nothing.
CLICKER = """<script>
(function(){
var steps=%s,svg=document.getElementById('gantt'),out=[];
var rows=[].slice.call(svg.querySelectorAll('g.row')),links=[].slice.call(svg.querySelectorAll('path.link'));
function hit(el){el.scrollIntoView({block:'center',inline:'start'});var b=el.getBoundingClientRect();
var x=b.left+b.width/2,y=b.top+b.height/2,at=document.elementFromPoint(x,y);
if(at)at.dispatchEvent(new MouseEvent('click',{bubbles:true,cancelable:true,view:window,clientX:x,clientY:y}));
return at?at.getAttribute('class')||at.tagName:'nothing';}
function shot(hitClass){return {hit:hitClass,height:+svg.getAttribute('height'),
rows:rows.map(function(r){return getComputedStyle(r).display==='none'?null:r.getAttribute('transform');}),
links:links.map(function(l){return getComputedStyle(l).display==='none'?null:l.getAttribute('d');}),
toggles:rows.map(function(r){var t=r.querySelector('.toggle');return t?t.textContent:'';})};}
out.push(shot(''));
steps.forEach(function(s){var r=rows[s[0]];out.push(shot(hit(r.querySelector(s[1]))));});
document.body.setAttribute('data-clicks',JSON.stringify(out));})();
</script>"""


def descendants(parents, row):
    """Rows below `row` in the work breakdown, from each row's data-parent."""
    below = set()
    for r, p in enumerate(parents):
        if p in below or p == row:
            below.add(r)
    return below


def translate_y(transform):
    return float(transform[transform.index(",") + 1:transform.index(")")])


def path_moves(d):
    """A link's path as its moves: [("M", x, y), ("H", x), ("V", y), ...]."""
    moves = []
    for token in d.replace("M", " M ").replace("H", " H ").replace("V", " V ").split():
        if token in "MHV":
            moves.append([token])
        else:
            moves[-1].append(float(token))
    return moves


def same_path(d, e):
    """Two paths with the same moves to a tenth of a pixel (the page writes d with one decimal)."""
    m, n = path_moves(d), path_moves(e)
    return len(m) == len(n) and all(a[0] == b[0] and len(a) == len(b) and
                                    all(abs(x - y) < 0.051 for x, y in zip(a[1:], b[1:]))
                                    for a, b in zip(m, n))


rows = sorted(dom.with_class("g", "row"), key=lambda e: int(e[1]["data-row"]))
parents = [int(e[1]["data-parent"]) for e in rows]
below = [descendants(parents, r) for r in range(len(rows))]
link_ends = [(int(e[1]["data-from"]), int(e[1]["data-to"])) for e in dom.with_class("path", "link")]
gantt = next(e[1] for e in dom.elements if e[1].get("id") == "gantt")
H, TOP = float(gantt["data-row-height"]), float(gantt["data-top"])


def click_target(r):
    """A summary row under another, with siblings before and after it and arrows crossing its edge
    both ways: closing it must hide some rows and arrows and keep its siblings' and its own."""
    siblings = [s for s in range(len(rows)) if parents[s] == parents[r] and s != r]
    return (parents[r] >= 0 and below[r] and min(siblings, default=r) < r < max(siblings, default=r)
            and any(a in below[r] and b not in below[r] for a, b in link_ends)
            and any(b in below[r] and a not in below[r] for a, b in link_ends))


target = next((r for r in range(len(rows)) if click_target(r)), None)
if target is None:
    sys.exit("the sample has no summary row to click: a nested one with siblings and crossing links")
outer = parents[target]
steps = [(target, ".label"), (target, ".toggle"), (outer, ".toggle"), (outer, ".toggle"),
         (target, ".toggle")]
with open(page, encoding="utf-8") as f:
    text = f.read()
check(text.count("</body>") == 1, "the page has one </body> to put the clicking script before")
clicked = os.path.join(WORK, "clicked.html")
with open(clicked, "w", encoding="utf-8") as f:
    f.write(text.replace("</body>", CLICKER % json.dumps(steps) + "</body>"))
body = next(e[1] for e in render(clicked).elements if e[0] == "body")
shots = json.loads(body["data-clicks"])
initial = shots[0]


def check_shot(shot, hidden_rows, label):
    shown = [r for r in range(len(rows)) if r not in hidden_rows]
    check({r for r, t in enumerate(shot["rows"]) if t is None} == hidden_rows,
          f"{label}: rows hidden {sorted(r for r, t in enumerate(shot['rows']) if t is None)}, "
          f"expected {sorted(hidden_rows)}")
    if any(shot["rows"][r] is None for r in shown):
        return
    # The rows left close up in order, one row height apart, and the chart shrinks to them.
    ys = {r: translate_y(shot["rows"][r]) for r in shown}
    check([ys[r] for r in shown] == [TOP + k * H for k in range(len(shown))],
          f"{label}: the displayed rows do not stack one row height apart from the top")
    check(shot["height"] == TOP + (len(shown) + 1) * H, f"{label}: chart height {shot['height']}")
    # An arrow shows exactly when both its rows do, and runs between where they now are.
    expected_links = {i for i, (a, b) in enumerate(link_ends)
                      if a not in hidden_rows and b not in hidden_rows}
    shown_links = {i for i, d in enumerate(shot["links"]) if d is not None}
    check(shown_links == expected_links, f"{label}: arrows shown {len(shown_links)}, expected "
          f"{len(expected_links)}; dangling: {sorted(shown_links - expected_links)[:5]}")
    for i in sorted(shown_links & expected_links):
        a, b = link_ends[i]
        moves = path_moves(shot["links"][i])
        if moves[0][2] != ys[a] + H / 2 or moves[-2] != ["V", ys[b] + H / 2]:
            check(False, f"{label}: arrow {a}->{b} does not run between its rows: "
                  f"{shot['links'][i]}")
            break


check(all(t is not None for t in initial["rows"] + initial["links"]),
      "before any click every row and arrow is displayed")
check(shots[1]["hit"] == "label" and shots[1]["rows"] == initial["rows"]
      and shots[1]["links"] == initial["links"], "a click on a summary row's label opens or closes nothing")
for n, (hidden_rows, glyphs, label) in enumerate([
        (below[target], {target: "\u25b8", outer: "\u25be"}, "target closed"),
        (below[outer], {target: "\u25b8", outer: "\u25b8"}, "parent closed too"),
        (below[target], {target: "\u25b8", outer: "\u25be"}, "parent reopened, target still closed"),
        (set(), {target: "\u25be", outer: "\u25be"}, "target reopened")], start=2):
    shot = shots[n]
    check(shot["hit"] == "toggle", f"{label}: the click at the toggle hit {shot['hit']}")
    check_shot(shot, hidden_rows, label)
    check(all(shot["toggles"][r] == g for r, g in glyphs.items()),
          f"{label}: toggles show {[shot['toggles'][r] for r in glyphs]}")
# Reopened, the arrows are routed as the command drew them: the script's routing is the command's.
drawn = [e[1]["d"] for e in Dom(text).with_class("path", "link")]
check(all(d is not None and same_path(d, e) for d, e in zip(shots[-1]["links"], drawn)),
      "reopened, every arrow is routed as the command drew it")

# A window of the time axis. It starts and ends on the days asked for, mid-week on the weekly
# scale it gets (70 days); bars, brackets and baseline bars overlapping it are drawn clipped to
# its edges, and nothing wholly outside it is drawn. The sample has a task starting at midnight
# after TO: a bar that only touches the window's edge must not show there as a sliver.
FROM, TO = "2026-01-14", "2026-03-24"
DAY_MS = 86_400_000
full_root = dom.root()
check(full_root["data-from"] < FROM and TO < full_root["data-to"],
      f"the window lies inside the sample's span {full_root['data-from']}..{full_root['data-to']}")
run("convert", sample, os.path.join(WORK, "baselines.json"))
with open(os.path.join(WORK, "baselines.json"), encoding="utf-8") as f:
    objects = list(walk_objects(json.load(f)))
task_ids = {o["Name"]: o["ID"] for o in objects if o["kind"] == "Task" and "Name" in o}
project_baselines = [o for o in objects if o["kind"] == "ProjectBaseline" and "Name" in o]
baselines = [{b["ID"]: b for b in o["BaselinedTasks"]} for o in project_baselines]
baseline_names = [o["Name"] for o in project_baselines]


def day_number(iso):
    return (datetime.date.fromisoformat(iso) - datetime.date(1970, 1, 1)).days


def ms_of(timestamp):
    moment = datetime.datetime.fromisoformat(timestamp.replace("Z", "+00:00"))
    return round(moment.timestamp() * 1000)


def gantt_rows(dom):
    """Each task row: its title's name and first and last day, and the shapes drawn in it."""
    rows, current = [], None
    for tag, attrs, text in dom.elements:
        if tag == "g" and "row" in attrs.get("class", "").split():
            current = {"shapes": []}
            rows.append(current)
        elif current is not None and tag == "title" and "name" not in current:
            name, days = "".join(text).rsplit("\n", 1)
            first, last = days.split(" \u2013 ")
            current.update(name=name, days=days, first=day_number(first), last=day_number(last))
        elif current is not None and attrs.get("class", "").split()[:1] in (
                ["bar"], ["summary"], ["milestone"], ["baseline"]):
            current["shapes"].append((attrs["class"].split()[0], attrs))
        elif tag == "path" and "link" in attrs.get("class", "").split():
            current = None
    return rows


def extent(kind, attrs):
    """A shape's left and right edge: a bracket's path starts "M<left> 5 H<right>", a diamond's
    "M<x> 5"."""
    if kind in ("bar", "baseline"):
        return float(attrs["x"]), float(attrs["x"]) + float(attrs["width"])
    moves = path_moves(attrs["d"].split(" l")[0].split(" V")[0])
    return moves[0][1], moves[-1][1]


class Axis:
    """The time axis as the page draws it: its window and where an instant falls on it."""

    def __init__(self, dom):
        root, svg = dom.root(), next(e[1] for e in dom.elements if e[1].get("id") == "gantt")
        self.first, self.last = day_number(root["data-from"]), day_number(root["data-to"])
        self.left = 340.0  # the label column's width
        self.right = float(svg["width"]) - 20
        self.px_per_day = (self.right - self.left) / (self.last - self.first + 1)

    def x(self, ms):
        at = self.left + (ms - self.first * DAY_MS) / DAY_MS * self.px_per_day
        return min(max(at, self.left), self.right)

    def shows(self, start_ms, finish_ms):
        begin, end = self.first * DAY_MS, (self.last + 1) * DAY_MS
        return start_ms < end and finish_ms > begin


def check_baseline_bars(dom, baseline, label):
    """The baseline bars drawn are the chosen baseline's (None: none), where its dates put them."""
    axis, drawn = Axis(dom), 0
    for row in gantt_rows(dom):
        bars = [a for k, a in row["shapes"] if k == "baseline"]
        data = baseline.get(task_ids.get(row["name"])) if baseline else None
        expected = None
        if data and not data["Summary"] and data["StartTime"] and data["FinishTime"]:
            start, finish = ms_of(data["StartTime"]), ms_of(data["FinishTime"])
            if axis.shows(start, finish):
                expected = (axis.x(start), max(axis.x(finish) - axis.x(start), 1.0))
        drawn += len(bars)
        if expected is None:
            check(not bars, f"{label}: {row['name']} has a baseline bar it should not have")
        elif len(bars) != 1 or abs(float(bars[0]["x"]) - expected[0]) > 0.06 or \
                abs(float(bars[0]["width"]) - expected[1]) > 0.11:
            check(False, f"{label}: {row['name']}'s baseline bar is "
                  f"{[(b['x'], b['width']) for b in bars]}, expected x, width {expected}")
    return drawn


def check_refused(args, names):
    """`zxstore report` with these options is a usage error naming each of `names`, and no page."""
    page = os.path.join(WORK, "refused.html")
    if os.path.exists(page):
        os.remove(page)
    result = subprocess.run([ZXSTORE, "report", sample, "-o", page, *args],
                            capture_output=True, text=True)
    check(result.returncode == 2 and all(n in result.stderr for n in names),
          f"{' '.join(args)}: exit {result.returncode}, {result.stderr.strip()!r}")
    check(not os.path.exists(page), f"{' '.join(args)}: a page was written")


def legend(dom):
    return "".join("".join(e[2]) for e in dom.elements if e[0] == "span")


page = os.path.join(WORK, "window.html")
window = counts(run("report", sample, "-o", page, "--from", FROM, "--to", TO, "--print-counts"))
dom = render(page)
check_page(dom, window, "window")
root = dom.root()
check((root["data-from"], root["data-to"]) == (FROM, TO),
      f"the axis runs {root['data-from']}..{root['data-to']}, {FROM}..{TO} asked for")
check(f"{FROM} to {TO}" in legend(dom), "the legend names the window")
axis = Axis(dom)
check(abs(axis.px_per_day - 6) < 1e-9, f"70 days are drawn by weeks: {axis.px_per_day} px a day")
clipped = {"left": 0, "right": 0}
for row in gantt_rows(dom):
    shapes = [(k, a) for k, a in row["shapes"] if k != "baseline"]
    inside = row["first"] <= day_number(TO) and row["last"] >= day_number(FROM)
    check(len(shapes) == (1 if inside else 0),
          f"window: {row['name']} ({row['days']}) draws {len(shapes)} shapes")
    for kind, attrs in shapes:
        a, b = extent(kind, attrs)
        check(axis.left <= a <= b <= axis.right + 0.05, f"window: {row['name']} drawn outside")
        if row["first"] < day_number(FROM):
            clipped["left"] += 1
            check(a == axis.left, f"window: {row['name']} starts before it, not clipped: {a}")
        if row["last"] > day_number(TO):
            clipped["right"] += 1
            check(abs(b - axis.right) < 0.05, f"window: {row['name']} ends after it: {b}")
check(clipped["left"] > 0 and clipped["right"] > 0, f"bars cross both edges: {clipped}")
check(0 < window["bars"] < full["bars"], f"some bars and not all are drawn: {window}")
drawn = check_baseline_bars(dom, baselines[0], "window")
check(drawn == window["baselines"] and drawn > 0, f"{drawn} baseline bars drawn in the window")
edges = (axis.left, axis.right)
check(not any(float(e[1]["data-fx"]) == float(e[1]["data-tx"]) and float(e[1]["data-fx"]) in edges
              for e in dom.with_class("path", "link")), "no arrow is pinned to an edge at both ends")

# One end given: the other follows the project, or gives way when the project lies beyond it.
for args, span in [(["--from", FROM], (FROM, full_root["data-to"])),
                   (["--to", "2025-06-30"], ("2025-06-30", "2025-06-30"))]:
    page = os.path.join(WORK, "one-end.html")
    printed = counts(run("report", sample, "-o", page, *args, "--print-counts"))
    with open(page, encoding="utf-8") as f:
        root = Dom(f.read()).root()
    check((root["data-from"], root["data-to"]) == span,
          f"{' '.join(args)}: the axis runs {root['data-from']}..{root['data-to']}, not {span}")
check(printed["bars"] + printed["summaries"] + printed["baselines"] + printed["links"] == 0,
      f"a window before the project draws nothing in it: {printed}")

# A window that ends before it starts, or a date that is not one: usage errors, and no page.
for args, names in [(["--from", TO, "--to", FROM], ["--to", FROM, "before --from", TO]),
                    (["--from", "2026-13-01"], ["--from", "2026-13-01", "YYYY-MM-DD"]),
                    (["--to", "2026-02-30"], ["--to", "2026-02-30"]),
                    (["--from", "-001-01-01"], ["--from", "-001-01-01"]),
                    (["--to", "24/03/2026"], ["--to", "24/03/2026"])]:
    check_refused(args, names)

# Baselines: the first is drawn by default, --baseline N draws the N-th where its own dates put
# its bars, 0 none; one the project does not have is refused. The page's script leaves baseline
# bars alone, so these pages are read as written, not rendered.
check(len(baselines) == 2, f"the sample has two baselines: {len(baselines)}")
drawn = check_baseline_bars(sample_dom, baselines[0], "sample")
check(drawn == full["baselines"] > 0, f"the first baseline's bars by default: {drawn}, {full}")
page = os.path.join(WORK, "second-baseline.html")
second = counts(run("report", sample, "-o", page, "--baseline", "2", "--print-counts"))
with open(page, encoding="utf-8") as f:
    dom = Dom(f.read())
check(int(dom.root()["data-baselines"]) == second["baselines"], "the page counts what it printed")
drawn = check_baseline_bars(dom, baselines[1], "second baseline")
check(drawn == second["baselines"] > 0, f"the second baseline's bars: {drawn}, {second}")
check([e[1]["x"] for e in dom.with_class("rect", "baseline")]
      != [e[1]["x"] for e in sample_dom.with_class("rect", "baseline")],
      "the two baselines' bars differ")
check(f"baseline: {baseline_names[1]}" in legend(dom),
      f"the legend names the second baseline: {legend(dom)}")

page = os.path.join(WORK, "no-baseline.html")
none = counts(run("report", sample, "-o", page, "--baseline", "0", "--print-counts"))
with open(page, encoding="utf-8") as f:
    dom = Dom(f.read())
check(none["baselines"] == 0 and not dom.with_class("rect", "baseline")
      and "baseline" not in legend(dom),
      f"--baseline 0 draws no baseline bars and names none: {none}")
check_refused(["--baseline", "3"], ["no baseline 3", "2 baselines"])
check_refused(["--baseline", "-1"], ["--baseline"])

# A hostile, non-Latin task name: shown exactly, runs nothing.
name = ("<script>document.title='owned'</script><img src=x onerror=\"document.body.dataset."
        "owned=1\"> \"quoted\" & 'single' Ünïcødé 工程 ✓ 𝄞")
project = os.path.join(WORK, "sample.json")
run("convert", sample, project)
with open(project, encoding="utf-8") as f:
    tree = json.load(f)


def rename(node):
    if isinstance(node, dict):
        if node.get("kind") == "Task" and node.get("Name", "").endswith("segment 3"):
            node["Name"] = name
            return True
        return any(rename(v) for v in node.values())
    return isinstance(node, list) and any(rename(v) for v in node)


check(rename(tree), "the sample has the task to rename")
with open(project, "w", encoding="utf-8") as f:
    json.dump(tree, f, ensure_ascii=False)
hostile = os.path.join(WORK, "hostile.zxp")
run("convert", project, hostile)
page = os.path.join(WORK, "hostile.html")
run("report", hostile, "-o", page)
dom = render(page)
labels = ["".join(e[2]) for e in dom.with_class("text", "label")]
check(name in labels, "the task's name is shown exactly as text")
check(dom.title.startswith("hostile.zxp"), f"no injected script set the title: {dom.title!r}")
body = next(e[1] for e in dom.elements if e[0] == "body")
check("data-owned" not in body, "no injected handler ran")
check(not any(e[0] == "img" for e in dom.elements), "the name made no element")
check(len([e for e in dom.elements if e[0] == "script"]) == 1, "the page has its one script only")

# A row budget: summary tasks close, each noting what it hides; nothing is lost silently.
page = os.path.join(WORK, "limited.html")
limit = 8
limited = counts(run("report", sample, "-o", page, "--max-rows", str(limit), "--print-counts"))
check(limited["collapsed"] > 0, f"a budget of {limit} rows closes summary tasks: {limited}")
check(limited["rows"] <= limit + limited["collapsed"],
      f"at most {limit} rows plus the closed summary rows: {limited}")
check(limited["rows"] + limited["hidden"] == full["rows"], "every task is drawn or counted hidden")
dom = render(page)
check_page(dom, limited, "limited")
notes = dom.with_class("text", "collapsed-note")
check(len(notes) == limited["collapsed"], "each closed summary row notes what it hides")
check(sum(int("".join(n[2]).split()[0]) for n in notes) == limited["hidden"],
      "the notes add up to the hidden tasks")

# A resource budget: usage charts and table rows stop at it, and the page says what it left out.
page = os.path.join(WORK, "few-resources.html")
few = counts(run("report", sample, "-o", page, "--max-resources", "3", "--print-counts"))
check(full["resources"] > 3 and full["resource-rows"] > 3,
      f"the sample has more than 3 resources with work: {full}")
check(few["resources"] == 3 and few["resource-rows"] == 3, f"3 resources drawn and listed: {few}")
dom = render(page)
check_page(dom, few, "few resources")
check(len(dom.with_class("p", "more")) == 2, "the page says how many resources it left out")

if failures:
    sys.exit(f"{len(failures)} check(s) failed")
print("report test: all checks passed")
