"""The three engines the page is tried in, each driven as its own tools
allow, behind one interface: Chromium through ChromeDriver, WebKitGTK's
MiniBrowser through WebKitWebDriver on a private Xvfb screen, and Firefox
through the WebDriver BiDi that it speaks itself.

Scripts are run as WebDriver runs them: a function body that reads
`arguments` and returns its value; an asynchronous one calls its last
argument with the value instead.
"""

import base64
import collections
import itertools
import json
import os
import re
import subprocess
import threading

import selenium
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.chrome.service import Service as ChromeDriver

# Chromium's own network services stay off: this machine's network refuses them.
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--force-device-scale-factor=1"]


class Unsupported(Exception):
    """What this engine's driver cannot do, with the reason."""


class SeleniumBrowser:
    def __init__(self, driver):
        self.driver = driver
        # A page that never loads fails its check rather than the test's time.
        driver.set_page_load_timeout(20)

    def open(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def run_async(self, script, *args):
        return self.driver.execute_async_script(script, *args)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def click_at(self, x, y):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(int(x), int(y)).click()
        actions.perform()

    def windows(self):
        return self.driver.window_handles

    def current_window(self):
        return self.driver.current_window_handle

    def switch_to(self, window):
        self.driver.switch_to.window(window)

    def replace_tab(self):
        """Closes this tab for a new, empty one."""
        old = self.driver.current_window_handle
        self.driver.switch_to.new_window("tab")
        new = self.driver.current_window_handle
        self.driver.switch_to.window(old)
        self.driver.close()
        self.driver.switch_to.window(new)

    def screenshot_png(self):
        return self.driver.get_screenshot_as_png()

    def enter_frame(self):
        """Runs what follows in the page's first frame."""
        self.driver.switch_to.frame(0)

    def quit(self):
        self.driver.quit()


class Chromium(SeleniumBrowser):
    name = "Chromium"

    def __init__(self, profile):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        super().__init__(webdriver.Chrome(service=ChromeDriver("/usr/bin/chromedriver"), options=options))

    def cdp(self, command, parameters=None):
        return self.driver.execute_cdp_cmd(command, parameters or {})

    def set_viewport(self, width, height, scale=1, mobile=False):
        self.cdp("Emulation.setDeviceMetricsOverride",
                 {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
        self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": mobile, "maxTouchPoints": 1})

    def tap_at(self, x, y):
        self.cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


class XServer:
    """A private Xvfb screen, for an engine that draws only on one."""

    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                         "-nolisten", "tcp"], pass_fds=[write],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        # The server writes its display's number once it takes clients.
        with os.fdopen(read) as number:
            self.display = ":" + number.readline().strip()

    def stop(self):
        self.process.terminate()
        self.process.wait()


def webkit_driver(path):
    """The driver's place, as this Selenium takes it: Selenium 4.10 took
    executable_path away for a Service, which Debian 12's 4.8 does not take."""
    if tuple(int(part) for part in selenium.__version__.split(".")[:2]) < (4, 10):
        return {"executable_path": path}
    from selenium.webdriver.webkitgtk.service import Service
    return {"service": Service(path)}


class WebKit(SeleniumBrowser):
    name = "WebKit"
    MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"

    def __init__(self, profile):
        self.screen = XServer()
        options = webdriver.WebKitGTKOptions()
        options.binary_location = self.MINIBROWSER
        options.add_argument("--automation")
        # The driver, and the browser it starts, take this process's
        # environment: this test's one browser, with a profile of its own.
        os.environ.update(DISPLAY=self.screen.display, XDG_DATA_HOME=f"{profile}/data",
                          XDG_CACHE_HOME=f"{profile}/cache", XDG_CONFIG_HOME=f"{profile}/config",
                          GDK_BACKEND="x11", DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent",
                          MESA_SHADER_CACHE_DISABLE="true")
        try:
            super().__init__(webdriver.WebKitGTK(options=options, **webkit_driver("/usr/bin/WebKitWebDriver")))
        except BaseException:
            self.screen.stop()
            raise

    def set_viewport(self, width, height, scale=1, mobile=False):
        # Its pixel ratio is the screen's, and its window keeps a viewport
        # of at least 447 px.
        if scale != 1 or mobile:
            raise Unsupported("MiniBrowser takes its pixel ratio from the screen, and keeps 447 px at least")
        self.driver.set_window_size(width, height)

    def tap_at(self, x, y):
        raise Unsupported("WebKitWebDriver on GTK has no touch input")

    def quit(self):
        try:
            super().quit()
        finally:
            self.screen.stop()


class Firefox:
    """Firefox ESR, headless, through its WebDriver BiDi: Debian has no
    geckodriver, and BiDi needs none."""

    name = "Firefox"
    no_key_activation = ("headless Firefox's window never has the focus (document.hasFocus() is false),"
                         " and a focused button then takes no Enter from WebDriver BiDi")

    def __init__(self, profile):
        import websocket

        os.makedirs(profile, exist_ok=True)
        self.process = subprocess.Popen(
            ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--remote-debugging-port=0", "--profile", profile],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            self.socket = websocket.create_connection(self.bidi_address() + "/session", timeout=60,
                                                      suppress_origin=True)
            self.ids = itertools.count(1)
            self.send("session.new", capabilities={})
            self.context = self.windows()[0]
        except BaseException:
            self.process.kill()
            self.process.wait()
            raise

    def bidi_address(self):
        """Where Firefox listens, once it says so. What it says later is
        read and dropped, so that the pipe never fills and stalls it."""
        for line in self.process.stderr:
            if found := re.search(r"WebDriver BiDi listening on (ws://\S+)", line):
                threading.Thread(target=collections.deque, args=(self.process.stderr, 0), daemon=True).start()
                return found[1]
        raise RuntimeError("Firefox ended without listening for WebDriver BiDi")

    def send(self, method, **params):
        command_id = next(self.ids)
        self.socket.send(json.dumps({"id": command_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == command_id:
                if message.get("type") == "error":
                    raise RuntimeError(f"{method}: {message['error']}: {message.get('message')}")
                return message["result"]

    def open(self, url):
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def reload(self):
        self.send("browsingContext.reload", context=self.context, wait="complete")

    def call(self, declaration, args, await_promise):
        result = self.send("script.callFunction", functionDeclaration=declaration,
                           arguments=[serialized(a) for a in args], awaitPromise=await_promise,
                           target={"context": self.context}, userActivation=True,
                           serializationOptions={"maxObjectDepth": 8})
        if result["type"] == "exception":
            raise RuntimeError(result["exceptionDetails"]["text"])
        return deserialized(result["result"])

    def run(self, script, *args):
        return self.call(f"function() {{ {script}\n}}", args, False)

    def run_async(self, script, *args):
        return self.call("function(...args) { return new Promise((done) => "
                         f"(function() {{ {script}\n}}).apply(this, [...args, done])); }}", args, True)

    def actions(self, source):
        self.send("input.performActions", context=self.context, actions=[source])

    def keys(self, *keys):
        self.actions({"type": "key", "id": "keyboard", "actions": [
            {"type": kind, "value": key} for key in "".join(keys) for kind in ("keyDown", "keyUp")]})

    def pointer(self, kind, x, y):
        self.actions({"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": [
            {"type": "pointerMove", "x": int(x), "y": int(y)},
            {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]})

    def click_at(self, x, y):
        self.pointer("mouse", x, y)

    def tap_at(self, x, y):
        self.pointer("touch", x, y)

    def set_viewport(self, width, height, scale=1, mobile=False):
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=scale)

    def windows(self):
        return [tree["context"] for tree in self.send("browsingContext.getTree", maxDepth=0)["contexts"]]

    def current_window(self):
        return self.context

    def switch_to(self, window):
        self.context = window

    def replace_tab(self):
        old, self.context = self.context, self.send("browsingContext.create", type="tab")["context"]
        self.send("browsingContext.close", context=old)

    def screenshot_png(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot", context=self.context)["data"])

    def quit(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            self.process.wait()


def serialized(value):
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    raise TypeError(f"no argument of type {type(value).__name__}")


def deserialized(remote):
    kind, value = remote["type"], remote.get("value")
    if kind in ("array", "set"):
        return [deserialized(item) for item in value]
    if kind in ("object", "map"):
        return {key if isinstance(key, str) else deserialized(key): deserialized(item) for key, item in value}
    if kind in ("undefined", "null"):
        return None
    if kind == "number" and isinstance(value, float) and value.is_integer():
        return int(value)
    return value


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}
