"""Times, in headless Chromium over one local server, the navigation to each
page up to the first shown result of a scripted press of its button, and
gives the median and quartiles of each and their ratio; then the size of
the page, compressed as a server sends it, file by file.

    page_bench.py PAGE_DIR BARE_PAGE RUNS WARM_UP

Runs alternate between the pages. Each is a first visit: the browser's
cache is emptied before it, and service workers are bypassed.
"""

import gzip
import statistics
import sys
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

from chromium_flags import CHROMIUM_FLAGS
from local_server import serve

# Run in each page before its own scripts: once the page is parsed, types
# into its boxes and presses its button, then notes the time of the frame
# that first shows the result with the page's fonts, from the navigation's
# start.
PRESS = """
addEventListener("DOMContentLoaded", () => {
    const [inputs, button, result] = %s;
    for (const [id, text] of inputs) document.getElementById(id).value = text;
    document.getElementById(button).click();
    const shown = () => {
        const element = document.getElementById(result);
        if ((element.value ?? element.textContent) && document.fonts.status === "loaded")
            requestAnimationFrame(() => (window.shownAt = performance.now()));
        else
            requestAnimationFrame(shown);
    };
    shown();
});
"""
PAGES = {
    "vondrel": '[[["Form1-Text1", "100"], ["Form1-Text2", "0.02"]], "Form1-Command1", "Form1-Text3"]',
    "bare": '[[["input", "300"]], "button", "output"]',
}


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    return driver


def time_page(driver, url, page):
    script = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PRESS % PAGES[page]})
    driver.get("about:blank")
    # Emptied rather than disabled: a first visit still fetches a file that
    # the page names twice once.
    driver.execute_cdp_cmd("Network.clearBrowserCache", {})
    driver.get(url)
    deadline = time.monotonic() + 30
    while (shown := driver.execute_script("return window.shownAt")) is None and time.monotonic() < deadline:
        time.sleep(0.005)
    driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": script["identifier"]})
    return shown


def quartiles(samples):
    q1, median, q3 = statistics.quantiles(samples, n=4)
    return f"{median:.1f} ms ({q1:.1f}–{q3:.1f})", median


def sizes(page_dir):
    """Each file's size as sent gzip-compressed, or as it is where that is
    smaller (the fonts and pictures are compressed already)."""
    print(f"\n{'file':<24}{'bytes':>8}{'sent':>8}")
    total = 0
    for path in sorted(Path(page_dir).iterdir(), key=lambda p: p.name):
        data = path.read_bytes()
        sent = min(len(data), len(gzip.compress(data, 9)))
        total += sent
        print(f"{path.name:<24}{len(data):>8}{sent:>8}")
    print(f"{'the whole page':<24}{'':>8}{total:>8}  ({total / 1024:.1f} KiB)")


def main(page_dir, bare_page, runs, warm_up):
    scratch = tempfile.TemporaryDirectory()
    root = Path(scratch.name) / "served"
    root.mkdir()
    (root / "vondrel").symlink_to(Path(page_dir).resolve())
    (root / "bare").mkdir()
    (root / "bare" / "index.html").symlink_to(Path(bare_page).resolve())
    url = serve(str(root))
    driver = browser(Path(scratch.name) / "profile")
    samples = {page: [] for page in PAGES}
    try:
        for run in range(int(warm_up) + int(runs)):
            for page in PAGES:
                shown = time_page(driver, f"{url}{page}/", page)
                if run >= int(warm_up) and shown is not None:
                    samples[page].append(shown)
    finally:
        driver.quit()
        scratch.cleanup()
    print(f"navigation to the first shown result, median (IQR), {runs} runs of each after {warm_up} warm-up:")
    (vondrel, vondrel_median), (bare, bare_median) = (quartiles(samples[page]) for page in PAGES)
    print(f"  Vondrel    {vondrel}\n  bare page  {bare}\n  ratio      {vondrel_median / bare_median:.2f}")
    sizes(page_dir)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
