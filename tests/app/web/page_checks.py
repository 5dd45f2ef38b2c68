"""The page as people use it, in one of the engines of browsers.py,
served from this machine by a server of the test's own.

    page_checks.py SITE SOURCE_DIR ENGINE SCENARIO [LINUX_PROGRAM]

Prints a line per check and "SCENARIO: N passed, M failed"; a check that
the engine's driver cannot make says so and counts as neither. A scenario
that the engine cannot run at all is skipped (77) with the reason, as is
the screenshot scenario, which compares the page with LINUX_PROGRAM's main
window (see screenshot_comparison.py), without one.
"""

import http.server
import json
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from selenium.webdriver.common.keys import Keys

from browsers import ENGINES, Unsupported

INCOMPLETE_INPUT = "请填写完整的输入数据！"
passed = failed = 0


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"PASS  {what}")
    else:
        failed += 1
        print(f"FAIL  {what}{': ' + str(detail) if detail != '' else ''}")


def until(condition, seconds=10):
    deadline = time.monotonic() + seconds
    while not (result := condition()):
        if time.monotonic() > deadline:
            return result
        time.sleep(0.02)
    return result


class Server:
    """A copy of the page's folder over HTTP on 127.0.0.1, a secure context
    for the service worker. Its page is also served with its own policy as a
    Content-Security-Policy-Report-Only header that reports to the server,
    so that what the policy refuses is seen the same way in every engine.
    It answers 404 for the files named in `withheld`, and serves at phone.html the
    page in a frame of a phone's size."""

    def __init__(self, site, scratch, withheld):
        self.site = served = scratch / "site"
        shutil.copytree(site, served)
        self.withheld = withheld
        self.reports = []
        server = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *args, **kwargs):
                super().__init__(*args, directory=served, **kwargs)

            def do_GET(self):
                if self.path.lstrip("/") in server.withheld:
                    return self.send_error(404)
                if self.path == "/phone.html":
                    return self.answer(b'<!DOCTYPE html><iframe src="./" width="390" height="844"'
                                       b' style="border: 0"></iframe>', "text/html")
                super().do_GET()

            def do_POST(self):
                body = self.rfile.read(int(self.headers["Content-Length"]))
                server.reports.append(json.loads(body)["csp-report"])
                self.answer(b"", "text/plain")

            def answer(self, body, kind):
                self.send_response(200)
                self.send_header("Content-Type", kind)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def end_headers(self):
                if self.path in ("/", "/index.html"):
                    page = (served / "index.html").read_text(encoding="utf-8")
                    policy = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"', page)[1]
                    self.send_header("Content-Security-Policy-Report-Only", f"{policy}; report-uri /csp-report")
                super().end_headers()

            def log_message(self, *args):
                pass

        class QuietServer(http.server.ThreadingHTTPServer):
            def handle_error(self, request, client_address):
                # A browser may drop a connection that it no longer needs.
                if not isinstance(sys.exc_info()[1], ConnectionError):
                    super().handle_error(request, client_address)

        self.httpd = QuietServer(("127.0.0.1", 0), Handler)
        self.url = f"http://127.0.0.1:{self.httpd.server_port}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def refused_directives(self):
        return [report.get("effective-directive") or report["violated-directive"] for report in self.reports]

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Page:
    def __init__(self, site, engine, withheld=()):
        # The server's copy of the page and the browser's new profile, which
        # a browser's last process may still be writing to as it ends.
        self.scratch = tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
        self.server = Server(site, Path(self.scratch.name), withheld)
        self.browser = ENGINES[engine](f"{self.scratch.name}/profile")
        self.browser.set_viewport(800, 600)
        self.open()

    def open(self, path=""):
        self.browser.open(self.server.url + path)
        self.wait_for_window()

    def wait_for_window(self):
        return until(lambda: self.js("return document.fonts.status === 'loaded' && !!document.getElementById('Form1')"))

    def close(self):
        self.browser.quit()
        self.server.stop()
        self.scratch.cleanup()

    def js(self, script, *args):
        return self.browser.run(script, *args)

    def js_async(self, script, *args):
        return self.browser.run_async(script, *args)

    def title(self):
        return self.js("return document.title")

    def value(self, element_id):
        return self.js("return document.getElementById(arguments[0]).value", element_id)

    def keys(self, *keys):
        self.browser.keys(*keys)

    def focused(self):
        return self.js("return document.activeElement.id")

    def box_open(self):
        return self.js("return document.getElementById('MessageBox').open")

    def prompt(self):
        return self.js("return document.getElementById('MessageBox-prompt').textContent")

    def centre(self, selector):
        return self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.x + r.width / 2, r.y + r.height / 2]", selector)

    def click(self, selector):
        """A click of the mouse at the centre of what the selector finds,
        wherever it lands."""
        self.browser.click_at(*self.centre(selector))

    def calculate(self, load, period):
        """Fills the boxes, clears the result box and presses 计算; returns
        the result text, or the message box's prompt and whether it shows the
        error icon, once either shows."""
        self.js("const [load, period] = arguments;"
                "document.getElementById('Form1-Text1').value = load;"
                "document.getElementById('Form1-Text2').value = period;"
                "document.getElementById('Form1-Text3').value = '';", load, period)
        self.click("#Form1-Command1")
        until(lambda: self.box_open() or self.value("Form1-Text3"))
        if not self.box_open():
            return self.value("Form1-Text3")
        shown = (self.prompt(), self.js("return !document.querySelector('#MessageBox .error-icon').hidden"))
        self.click("#MessageBox .button")
        until(lambda: not self.box_open())
        return shown


def examples(source):
    """The calculation's example table, its rows that are written on one line."""
    text = (source / "tests/calc/calculation_examples.h").read_text(encoding="utf-8")
    string = r'u"((?:[^"\\]|\\.)*)"'
    row = re.compile(r'\{"([^"]+)", ' + string + ", " + string + r", (?:" + string + r"|\{\})(?:, (\d+))?\}")
    unescape = lambda s: re.sub(r"\\u([0-9a-fA-F]{4})|\\t", lambda m: chr(int(m[1], 16)) if m[1] else "\t", s)
    for name, load, period, result, error in row.findall(text):
        yield name, unescape(load), unescape(period), result, int(error or 0)


def tab_stops(source):
    ui = ElementTree.parse(source / "ui/main/form1.ui").getroot()
    return [f"Form1-{stop.text}" for stop in ui.findall("tabstops/tabstop")]


def scenario_examples(page, source):
    rows = list(examples(source))
    check(f"the example table has its rows ({len(rows)})", len(rows) > 30)
    for name, load, period, result, error in rows:
        shown = page.calculate(load, period)
        if error:
            expected = (f"运行时错误 '{error}'", True)
            shown = shown if isinstance(shown, str) else (shown[0][:len(expected[0])], shown[1])
        else:
            expected = result or (INCOMPLETE_INPUT, False)
        check(f"example: {name}", shown == expected, f"shown {shown!r}, expected {expected!r}")


def scenario_message_box(page, source):
    check("100 and 0.02 give 300.0", page.calculate("100", "0.02") == "300.0")
    page.js("document.getElementById('Form1-Text2').value = ''")
    page.click("#Form1-Command1")
    until(page.box_open)
    check("an empty box shows the message box", page.prompt() == INCOMPLETE_INPUT, page.prompt())
    check("the box is captioned with the project title",
          page.js("return document.getElementById('MessageBox-caption').textContent") == "Vondrel")
    check("its one button, 确定, has the focus",
          page.js("const b = document.querySelectorAll('#MessageBox button:not(.close-box)');"
                  "return b.length === 1 && b[0].textContent === '确定' && document.activeElement === b[0]"))
    check("the result box keeps the last result", page.value("Form1-Text3") == "300.0")
    if reason := getattr(page.browser, "no_key_activation", None):
        print(f"SKIP  Enter closes it: {reason}")
        page.click("#MessageBox .button")
        closer = "确定"
    else:
        page.keys(Keys.ENTER)
        closer = "Enter"
    check(f"{closer} closes it", until(lambda: not page.box_open()))
    check("the focus is back on 计算", page.focused() == "Form1-Command1", page.focused())

    page.js("document.getElementById('Form1-Text1').value = '0';"
            "document.getElementById('Form1-Text2').value = '0.02'")
    page.click("#Form1-Command1")
    until(page.box_open)
    check("a zero load reports run-time error 11", page.prompt() == "运行时错误 '11':\n\n除数为零", page.prompt())
    page.click("#MessageBox .close-box")
    check("the report's close box closes it", until(lambda: not page.box_open()))
    check("nothing typed is lost", page.value("Form1-Text1") == "0")
    check("the program goes on", page.calculate("100", "50Hz") == "300.0")


def scenario_modality(page, source):
    for closer in ("Form2-Command1", "close box"):
        page.click("#Form1-Command2")
        check("计算原理 opens Form2 modally", until(lambda: page.js("return document.getElementById('Form2').matches(':modal')")))
        check("Form2's 退出 has the focus", page.focused() == "Form2-Command1", page.focused())
        page.click("#Form1-Command1")
        page.click("#Form1-Command3")
        check("the calculator takes no click meanwhile", not page.box_open() and page.js("return !!document.getElementById('Form1')"))
        page.keys(Keys.TAB, Keys.TAB, Keys.TAB, "1")
        check("nor the keyboard", not page.js("return document.getElementById('Form1').contains(document.activeElement)")
              and page.value("Form1-Text1") == "")
        page.click(f"#{closer}" if closer != "close box" else "#Form2 .close-box")
        check(f"Form2's {closer} closes it", until(lambda: not page.js("return document.getElementById('Form2').open")))
        check("the focus is back on 计算原理", page.focused() == "Form1-Command2", page.focused())


def scenario_tab_order(page, source):
    stops = tab_stops(source)
    seen = [until(page.focused)]
    for _ in stops[1:]:
        page.keys(Keys.TAB)
        seen.append(page.focused())
    check("the focus starts on the first tab stop and Tab follows the design", seen == stops, seen)


def scenario_exit(page, source):
    for closer in ("Form1-Command3", "close box"):
        page.open()
        page.click(f"#{closer}" if closer != "close box" else "#Form1 .close-box")
        check(f"{closer} in a tab leaves nothing of the program", until(lambda: page.js(
            "return document.body.childElementCount === 0 && document.title === ''")))
        page.browser.reload()
        check("reloading starts it again", until(lambda: page.js("return !!document.getElementById('Form1')")))
    # A window that the browser lets the page close, as an installed app's.
    browser = page.browser
    tab = browser.current_window()
    # Opened by a click, as browsers let a page open a window.
    page.js("const opener = document.createElement('button'); opener.id = 'opener'; opener.textContent = 'open';"
            "opener.addEventListener('click', () => window.open(location.href)); document.body.prepend(opener)")
    page.click("#opener")
    until(lambda: len(browser.windows()) == 2)
    browser.switch_to([window for window in browser.windows() if window != tab][0])
    until(lambda: page.js("return !!document.getElementById('Form1-Command3')"))
    page.click("#Form1-Command3")
    check("退出 closes a window that may be closed", until(lambda: len(browser.windows()) == 1))
    browser.switch_to(tab)


def scenario_offline(page, source):
    site_files = sorted(p.name for p in page.server.site.iterdir())
    loaded = page.js("return [location.href, ...performance.getEntriesByType('resource').map(e => e.name)]")
    check("the page loads nothing from another origin", all(url.startswith(page.server.url) for url in loaded), loaded)
    if hasattr(page.browser, "cdp"):
        errors = page.browser.cdp("Page.getInstallabilityErrors").get("installabilityErrors")
        check("Chromium finds it installable as an app", errors == [], errors)
    else:
        print(f"SKIP  installable as an app: Chromium's verdict, which {page.browser.name} does not give")
    kept = page.js_async(
        "const done = arguments[0]; navigator.serviceWorker.ready"
        ".then(() => caches.keys()).then((names) => caches.open(names[0])).then((cache) => cache.keys())"
        ".then((requests) => done(requests.map((r) => new URL(r.url).pathname.slice(1)).sort()))")
    # All but the worker itself, which the browser keeps apart.
    check("the first visit keeps every file", kept == sorted(f for f in ["", *site_files] if f != "service-worker.js"),
          kept)
    page.server.stop()
    page.browser.reload()
    check("with no network it starts", until(lambda: page.js("return !!document.getElementById('Form1')")))
    check("and calculates", page.calculate("4k7", "20ms") == "6.4")


def publish_new_version(page, source):
    """Publishes a new version over the served one: its title begins "new "."""
    index = page.server.site / "index.html"
    index.write_text(index.read_text(encoding="utf-8").replace("<title>", "<title>new "), encoding="utf-8")
    files = [path for path in page.server.site.iterdir() if path.name != "service-worker.js"]
    subprocess.run([sys.executable, source / "app/web/seal-offline-files", page.server.site,
                    source / "app/web/service-worker.js", *files], check=True)


def look_for_update(page):
    """Has the browser look for a new version, and gives how its install
    ended: "installed" (kept, waiting), "redundant" (refused) or "none"."""
    return page.js_async("""
        const done = arguments[0];
        navigator.serviceWorker.getRegistration().then(async (registration) => {
            await registration.update();
            const worker = registration.installing ?? registration.waiting;
            if (!worker || worker.state !== "installing") return done(worker?.state ?? "none");
            worker.addEventListener("statechange", () => worker.state === "installing" || done(worker.state));
        });""")


def cache_names(page):
    """The origin's caches, once the page's version is kept and controls it."""
    until(lambda: page.js("return !!navigator.serviceWorker.controller"))
    return page.js_async("const done = arguments[0]; caches.keys().then(done)")


def reopen(page):
    """Closes the page's tab, so that no page of its version is open, and
    opens the page again in a new one."""
    page.browser.replace_tab()
    page.open()
    return page.title()


def scenario_update(page, source):
    """A new version, published while a page is open, waits until no page of
    the old one is; then it takes the old one's place, and only its."""
    old_caches = cache_names(page)
    page.js_async("const done = arguments[0];"
                                     " caches.open('another app').then((c) => c.put('kept', new Response('')).then(done))")
    publish_new_version(page, source)
    check("a new version is kept while a page is open", look_for_update(page) == "installed")
    served = "const done = arguments[0]; fetch('./').then((r) => r.text()).then((text) => done(text.includes('<title>new')))"
    check("the open page goes on with its own version's files",
          not page.js_async(served) and not page.title().startswith("new "))
    check("once no page of the old version is open, the new one starts",
          until(lambda: reopen(page).startswith("new "), seconds=30), page.title())
    names = cache_names(page)
    check("the old version's files go, and another app's stay",
          "another app" in names and len(names) == 2 and not set(old_caches) & set(names), names)


def scenario_damaged_update(page, source):
    """A version whose files do not all match the digests it was published
    with, as halfway through a deploy, is refused: the last good one stays."""
    cache_names(page)
    publish_new_version(page, source)
    core = page.server.site / "vondrel-core.wasm"
    core.write_bytes(core.read_bytes()[:-1000])
    check("a new version with a file not its own is refused", look_for_update(page) == "redundant")
    page.server.stop()
    check("with no network the last good version starts", not reopen(page).startswith("new "), page.title())
    check("and calculates", page.calculate("4k7", "20ms") == "6.4")


def scenario_policy(page, source):
    """The page's Content-Security-Policy is in force, and the page needs
    nothing that it refuses: calculating, the principle window's picture,
    the message box, the service worker."""
    page.calculate("4k7", "20ms")
    page.click("#Form1-Command2")
    until(lambda: page.js("return document.getElementById('Form2-Picture').complete"))
    page.click("#Form2-Command1")
    page.calculate("", "")
    cache_names(page)
    refused = page.server.refused_directives
    check("the page does nothing that its policy refuses", refused() == [], refused())
    page.js("const script = document.createElement('script'); script.textContent = 'window.ran = true';"
            "document.head.append(script)")
    check("a script written into it later does not run", page.js("return window.ran") is None)
    # Reports come in their own time: all of them, once this one has come.
    until(refused)
    time.sleep(1)
    check("and is refused, the one thing refused",
          [directive.removesuffix("-elem") for directive in refused()] == ["script-src"], refused())


def scenario_core_missing(page, source):
    """A core that cannot be loaded is said so when 计算 is pressed."""
    check("a press of 计算 says that the core could not be loaded",
          page.calculate("100", "0.02") == ("无法加载计算程序，请检查网络连接后重新打开本页。", True))


def scenario_phone(page, source):
    """On a phone 390 px wide, as an iPhone, at three pixels to its point."""
    try:
        page.browser.set_viewport(390, 844, scale=3, mobile=True)
        page.open()
    except Unsupported as reason:
        print(f"SKIP  a phone's screen: {reason}; the page in a frame of the phone's size instead, at scale 1")
        page.browser.open(page.server.url + "phone.html")
        page.browser.enter_frame()
        page.wait_for_window()
    # Fitted once laid out.
    until(lambda: page.js("return document.getElementById('Form1').getBoundingClientRect().right <= innerWidth"))
    width, height, left, right = page.js("const r = document.getElementById('Form1').getBoundingClientRect();"
                                         "return [r.width, r.height, r.left, r.right]")
    natural = page.js("const w = document.getElementById('Form1'); return w.offsetWidth / w.offsetHeight")
    check("the page is as wide as the phone", page.js("return innerWidth") == 390, page.js("return innerWidth"))
    check("the whole main window is in sight", left >= 0 and right <= 390, (left, right))
    check("nothing scrolls sideways", page.js("return document.documentElement.scrollWidth <= innerWidth"))
    check("the window is scaled as a whole", abs(width / height - natural) < 0.01, (width / height, natural))
    if page.js("return devicePixelRatio") > 1:
        check("the pictures come at twice the resolution", page.js(
            "return [...document.querySelectorAll('#Form1 .picture, #Form1 .icon')]"
            ".every((i) => i.currentSrc === new URL(i.srcset.split(' ')[0], document.baseURI).href)"))
    check("the boxes take the ordinary keyboard, unchanged as typed", page.js(
        "return [...document.querySelectorAll('input')].every((i) => i.type === 'text' && !i.inputMode"
        " && i.getAttribute('autocapitalize') === 'off')"))
    try:
        page.browser.tap_at(*page.centre("#Form1-Command2"))
        check("a tap works as a click", until(lambda: page.js("return document.getElementById('Form2').open")))
    except Unsupported as reason:
        print(f"SKIP  a tap: {reason}")


def accessibility_tree(page):
    """Each node that a screen reader meets: its role, name, description,
    properties, and for a live region, the text it holds."""
    nodes = {node["nodeId"]: node for node in page.browser.cdp("Accessibility.getFullAXTree")["nodes"]}
    value = lambda node, key: (node.get(key) or {}).get("value", "")
    properties = lambda node: {p["name"]: p["value"].get("value") for p in node.get("properties", [])}

    def text(node):
        if value(node, "role") == "StaticText":
            return value(node, "name")
        return "".join(text(nodes[child]) for child in node.get("childIds", []) if child in nodes)

    return [(value(n, "role"), value(n, "name") or (text(n) if "live" in properties(n) else ""),
             value(n, "description"), properties(n)) for n in nodes.values() if not n.get("ignored")]


def scenario_accessibility(page, source):
    tree = accessibility_tree(page)
    named = {(role, name): (description, props) for role, name, description, props in tree}
    ui = ElementTree.parse(source / "ui/main/form1.ui").getroot()
    roles = {"vondrel::host::TextBox": "textbox", "vondrel::host::Picture": "image", "QLabel": "StaticText"}
    for widget in ui.iter("widget"):
        string = lambda key: "".join(widget.find(f"property[@name='{key}']/string").itertext()) \
            if widget.find(f"property[@name='{key}']/string") is not None else ""
        role = roles.get(widget.get("class"))
        if role and string("accessibleName"):
            found = named.get((role, string("accessibleName")))
            check(f"{widget.get('name')} is a {role} named {string('accessibleName')}",
                  found is not None and found[0] == string("accessibleDescription"), found)
    for frame in ("输入", "输出"):
        check(f"the frame {frame} is a group", ("group", frame) in named)
    for caption in ("计算", "计算原理", "退出"):
        check(f"{caption} is a button", ("button", caption) in named)
    check("the result box is read-only", named.get(("textbox", "滤波电容"), ("", {}))[1].get("readonly") is True)

    page.calculate("100", "0.02")
    spoken = lambda: [name for role, name, _, props in accessibility_tree(page) if props.get("live") == "polite"]
    check("the result is announced with its unit", until(lambda: "300.0 微法" in spoken()), spoken())
    page.click("#Form1-Command2")
    until(lambda: page.js("return document.getElementById('Form2').open"))
    dialog = [(name, description) for role, name, description, _ in accessibility_tree(page) if role == "dialog"]
    check("Form2 is a dialog that reads its rule", len(dialog) == 1 and "C ≥ (3~5)T / (2R)" in dialog[0][1], dialog)
    page.click("#Form2-Command1")
    page.js("document.getElementById('Form1-Text1').value = ''")
    page.click("#Form1-Command1")
    until(page.box_open)
    alert = [(name, description) for role, name, description, _ in accessibility_tree(page) if role == "alertdialog"]
    check("the message box is an alert that reads its prompt", alert == [("Vondrel", INCOMPLETE_INPUT)], alert)


def scenario_screenshot(page, source):
    from screenshot_comparison import compare_with_linux_program
    compare_with_linux_program(page, sys.argv[5], check, until)


SCENARIOS = {name.removeprefix("scenario_"): f for name, f in globals().items() if name.startswith("scenario_")}


# What an engine other than Chromium cannot run, and why.
CHROMIUM_ONLY = {
    "accessibility": "it reads the accessibility tree that Chromium gives through DevTools",
    "screenshot": "its tolerance is measured against Chromium's drawing of text",
}


def main():
    if len(sys.argv) < 5 or sys.argv[3] not in ENGINES or sys.argv[4] not in SCENARIOS:
        sys.exit(__doc__)
    site, source, engine, scenario = sys.argv[1:5]
    if engine != "chromium" and scenario in CHROMIUM_ONLY:
        print(f"skipped: {CHROMIUM_ONLY[scenario]}")
        sys.exit(77)
    if scenario == "screenshot" and len(sys.argv) < 6:
        print("skipped: no Linux build of the program given (VONDREL_LINUX_BUILD)")
        sys.exit(77)
    page = Page(site, engine, withheld={"vondrel-core.wasm"} if scenario == "core_missing" else ())
    try:
        SCENARIOS[scenario](page, Path(source))
    finally:
        page.close()
    print(f"{scenario}: {passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
