#!/usr/bin/env python3
"""`zxstore report` end to end: the page as a browser renders it.

Usage: report_test.py ZXSTORE WORKDIR

Renders each page with headless chromium (--dump-dom runs the page's script) and checks the
rendered DOM against the counts the command prints: task rows, bars, links, baselines. Also that a
task name full of markup, quotes and non-Latin text shows exactly and runs nothing, that
--max-rows closes summary rows instead of dropping tasks silently, and that a screenshot renders.
"""
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
dom = render(page)
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
