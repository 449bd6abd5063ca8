"""Headless Chromium driven through its DevTools protocol, and the page's
server: what the browser benchmark (web_bench.py) and the browser check
(tests/web/web_check.py) share."""

import base64
import io
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

import websocket
from PIL import Image, ImageChops

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

# Counts, in the page, the display frames in which the program drew (Qt draws
# its windows through WebGL in animation-frame callbacks), with the time of
# each, so that frame rates and painting during long drawings can be read.
PAINT_COUNTER = """
(() => {
    const paints = window.wellenzeigerPaints = [];
    let drewThisFrame = false;
    for (const proto of [WebGLRenderingContext.prototype,
                         window.WebGL2RenderingContext && WebGL2RenderingContext.prototype]) {
        if (!proto) continue;
        for (const name of ["drawArrays", "drawElements"]) {
            const draw = proto[name];
            proto[name] = function () { drewThisFrame = true; return draw.apply(this, arguments); };
        }
    }
    const tick = (now) => {
        if (drewThisFrame) paints.push(now);
        drewThisFrame = false;
        requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
})();
"""


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Server:
    """scripts/serve-web on a folder, on a free port of 127.0.0.1."""

    def __init__(self, folder):
        self.port = free_port()
        self.url = "http://127.0.0.1:%d/" % self.port
        self.process = subprocess.Popen(
            [sys.executable, os.path.join(ROOT, "scripts", "serve-web"), folder, str(self.port)],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        until(lambda: self._answers(), 10, "the server answers")

    def _answers(self):
        try:
            urllib.request.urlopen(self.url, timeout=1).read()
            return True
        except OSError:
            return False

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(10)


def until(condition, seconds, what):
    """Waits for a state, polling; fails naming it after `seconds`."""
    due = time.monotonic() + seconds
    error = ""
    while True:
        try:  # a page being replaced answers nothing for a moment
            value = condition()
        except AssertionError as failure:
            value, error = None, " (%s)" % failure
        if value:
            return value
        if time.monotonic() > due:
            raise AssertionError("timed out waiting until " + what + error)
        time.sleep(0.05)


class Chromium:
    """One headless Chromium with a page of its own, a fresh profile and a
    download folder."""

    def __init__(self, width=1280, height=1024):
        self.profile = tempfile.mkdtemp(prefix="wellenzeiger-chromium-")
        self.downloads = os.path.join(self.profile, "Downloads")
        os.mkdir(self.downloads)
        port = free_port()
        # As root Chromium needs --no-sandbox; the rest keeps it from the network.
        self.process = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic",
             "--disable-default-apps", "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
             "--user-data-dir=" + self.profile, "--remote-debugging-port=%d" % port,
             "--window-size=%d,%d" % (width, height), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.profile, "stderr"), "w"))
        base = "http://127.0.0.1:%d" % port
        pages = until(lambda: self._json(base + "/json/list"), 30, "Chromium answers")
        page = next(p for p in pages if p["type"] == "page")
        # A page that stops answering fails the step instead of holding the check.
        self.browser = websocket.create_connection(
            self._json(base + "/json/version")["webSocketDebuggerUrl"], timeout=60)
        self.page = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60)
        self.next_id = 0
        self.events = []
        self.console = []
        self.call("Page.enable")
        self.call("Runtime.enable")
        self.call("Page.addScriptToEvaluateOnNewDocument", source=PAINT_COUNTER)
        self.call("Browser.setDownloadBehavior", on=self.browser, behavior="allow",
                  downloadPath=self.downloads, eventsEnabled=True)
        self.resize(width, height)

    def resize(self, width, height):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=1, mobile=False)

    @staticmethod
    def _json(url):
        try:
            return json.loads(urllib.request.urlopen(url, timeout=2).read())
        except OSError:
            return None

    def call(self, method, on=None, **params):
        """A command; returns its result, keeping the events that came first."""
        connection = on or self.page
        self.next_id += 1
        connection.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            try:
                message = json.loads(connection.recv())
            except websocket.WebSocketTimeoutException:
                raise AssertionError(method + ": no answer from Chromium within 60 s") from None
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise AssertionError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self._keep(message)

    def _keep(self, message):
        if message.get("method") == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in message["params"]["args"])
            self.console.append(text)
        elif "method" in message:
            self.events.append(message)

    def evaluate(self, expression, wait=False):
        result = self.call("Runtime.evaluate", expression=expression, awaitPromise=wait,
                           returnByValue=True)
        if "exceptionDetails" in result:
            raise AssertionError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def navigate(self, url):
        self.call("Page.navigate", url=url)

    def reload(self):
        self.call("Page.reload", ignoreCache=False)

    def screenshot(self):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        return Image.open(io.BytesIO(base64.b64decode(data))).convert("RGB")

    # Input, as a user gives it: the mouse, a finger, the keyboard.
    def click(self, x, y, button="left"):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                      clickCount=1)

    def touch(self, kind, x=None, y=None):
        points = [] if kind == "touchEnd" else [{"x": x, "y": y, "id": 1}]
        self.call("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def key(self, key, code, keycode, modifiers=0, text=None):
        """modifiers: 2 Ctrl, 8 Shift (added up)."""
        down = dict(type="keyDown" if text is None else "keyDown", key=key, code=code,
                    windowsVirtualKeyCode=keycode, nativeVirtualKeyCode=keycode,
                    modifiers=modifiers)
        if text is not None:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=keycode, nativeVirtualKeyCode=keycode, modifiers=modifiers)

    def paints(self):
        return self.evaluate("window.wellenzeigerPaints ? window.wellenzeigerPaints.slice() : []")

    def now(self):
        return self.evaluate("performance.now()")

    def metrics(self):
        self.call("Performance.enable")
        return {m["name"]: m["value"] for m in self.call("Performance.getMetrics")["metrics"]}

    def close(self):
        try:
            self.call("Browser.close", on=self.browser)
        except Exception:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)


def count(image, box, test):
    """How many pixels of `image` inside `box` (left, top, right, bottom) pass `test`."""
    region = image.crop(box)
    return sum(1 for pixel in region.getdata() if test(pixel))


def near(colour, tolerance=8):
    return lambda pixel: all(abs(a - b) <= tolerance for a, b in zip(pixel, colour))


MENU_YELLOW = (255, 255, 128)


def client_origin(image):
    """Where the menu window's client area starts on the page: the windows'
    frames sit at the page's top left, so every window's client area starts
    there too."""
    yellow = near(MENU_YELLOW)
    for y in range(200):  # the first row that is mostly yellow: the icon is small
        row = [yellow(image.getpixel((x, y))) for x in range(200)]
        if sum(row) > 100:
            return row.index(True), y
    raise AssertionError("no menu window at the page's top left")


def differs(a, b, box):
    return ImageChops.difference(a.crop(box), b.crop(box)).getbbox() is not None


def unpack(zip_path):
    """The zip's folder, unpacked into a fresh temporary folder."""
    target = tempfile.mkdtemp(prefix="wellenzeiger-web-")
    subprocess.run(["unzip", "-q", zip_path, "-d", target], check=True)
    (folder,) = os.listdir(target)
    return os.path.join(target, folder)
