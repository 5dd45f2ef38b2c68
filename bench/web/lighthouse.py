"""Lighthouse's verdict on the page, under its mobile defaults (a slow 4G
network and a slowed CPU, simulated), in Debian's Chromium, the page served
from this machine compressed as web servers send it.

    lighthouse.py PAGE_DIR LIGHTHOUSE [--require CATEGORY...]

Prints the four scores out of 100, with the Largest Contentful Paint, the
Speed Index and the Total Blocking Time. With --require, fails (1) unless
each category named scores 100. Without LIGHTHOUSE, it is skipped (77).
"""

import json
import os
import subprocess
import sys
import tempfile
from pathlib import Path

from chromium_flags import CHROMIUM_FLAGS
from local_server import serve

CATEGORIES = ["performance", "accessibility", "best-practices", "seo"]
TIMINGS = ["largest-contentful-paint", "speed-index", "total-blocking-time"]


def main(page_dir, lighthouse, *options):
    required = options[1:] if options[:1] == ("--require",) else ()
    if not Path(lighthouse).exists():
        print(f"skipped: no Lighthouse at {lighthouse}: npm ci at the source's root installs it")
        return 77
    url = serve(page_dir, compress=True)
    with tempfile.TemporaryDirectory() as scratch:
        report_path = Path(scratch) / "report.json"
        subprocess.run([lighthouse, url, "--quiet", "--output=json", f"--output-path={report_path}",
                        f"--chrome-flags={' '.join(CHROMIUM_FLAGS)} --user-data-dir={scratch}/profile"],
                       env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"), check=True, timeout=240)
        report = json.loads(report_path.read_text(encoding="utf-8"))
    scores = {name: round(100 * report["categories"][name]["score"]) for name in CATEGORIES}
    for name in CATEGORIES:
        print(f"{report['categories'][name]['title']:<16}{scores[name]:>4}")
    for name in TIMINGS:
        print(f"{report['audits'][name]['title']:<26}{report['audits'][name]['displayValue']}")
    for warning in report["runWarnings"]:
        print(f"warning: {warning}")
    short = [name for name in required if scores[name] < 100]
    if short:
        print(f"below 100: {', '.join(short)}")
    return 1 if short else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
