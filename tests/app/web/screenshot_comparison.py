"""The page's main window beside the Linux program's, pixel for pixel: both
at 96 dpi, just started, with the focus on 计算. The Linux program runs on a
private Xvfb screen with openbox, as its end-to-end tests run it.

Text is drawn by Qt's rasteriser in one and Chromium's in the other, so
the edges of glyphs differ by a shade; a pixel counts as different where a
channel differs by more than TOLERANCE, and at most MAX_SHARE of them may.
"""

import io
import os
import subprocess
import tempfile

from PIL import Image, ImageChops, ImageGrab

TOLERANCE = 48
MAX_SHARE = 0.03


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=10).stdout


def client_area(window):
    """The window's client area on the screen: left, top, right, bottom."""
    geometry = {}
    for line in run("xwininfo", "-id", window).splitlines():
        key, _, value = line.strip().partition(":")
        geometry[key] = value.strip()
    left, top = int(geometry["Absolute upper-left X"]), int(geometry["Absolute upper-left Y"])
    return left, top, left + int(geometry["Width"]), top + int(geometry["Height"])


def linux_client_area(program, until):
    """A screenshot of the Linux program's main window, its client area."""
    scratch = tempfile.TemporaryDirectory()
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                             "-noreset"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    # The server writes its display's number once it takes clients.
    with os.fdopen(read) as number:
        display = ":" + number.readline().strip()
    environment = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=scratch.name, XDG_CONFIG_HOME=scratch.name,
                       QT_QPA_PLATFORM="xcb", DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
    os.environ["DISPLAY"] = display
    processes = [xvfb, subprocess.Popen(["openbox", "--sm-disable"], env=environment,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    try:
        # Windows mapped before the window manager runs stay unframed.
        until(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        vondrel = subprocess.Popen([program], env=environment, stderr=subprocess.DEVNULL)
        processes.append(vondrel)
        windows = until(lambda: run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(vondrel.pid),
                                    "--name", "Vondrel").split())
        if not windows:
            return None
        # Painted, and activated by the window manager, which shows the focus.
        until(lambda: run("xdotool", "getactivewindow").strip() == windows[0])
        until(lambda: False, seconds=1)
        return ImageGrab.grab(bbox=client_area(windows[0]), xdisplay=display).convert("RGB")
    finally:
        for process in reversed(processes):
            process.terminate()
            process.wait()
        scratch.cleanup()


def compare_with_linux_program(page, program, check, until):
    linux = linux_client_area(program, until)
    check("the Linux program's main window shows", linux is not None)
    if linux is None:
        return
    left, top, width, height = page.js("const r = document.querySelector('#Form1 .client').getBoundingClientRect();"
                                       "return [r.x, r.y, r.width, r.height]")
    screenshot = Image.open(io.BytesIO(page.browser.screenshot_png())).convert("RGB")
    web = screenshot.crop((left, top, left + width, top + height))
    check("both client areas have the design's size", web.size == linux.size, (web.size, linux.size))
    if web.size != linux.size:
        return
    differences = [max(pixel) for pixel in ImageChops.difference(web, linux).getdata()]
    share = lambda tolerance: sum(d > tolerance for d in differences) / len(differences)
    print(f"pixels that differ: {share(0):.2%} at all, {share(TOLERANCE):.2%} by more than {TOLERANCE} levels")
    check(f"at most {MAX_SHARE:.0%} of the pixels differ by more than {TOLERANCE} levels",
          share(TOLERANCE) <= MAX_SHARE)
