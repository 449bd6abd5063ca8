#!/usr/bin/python3
"""`make test-web`: the web page's zip served on 127.0.0.1 and used in
headless Chromium as a user would, by mouse, finger and keyboard.

Usage: tests/web/web_check.py wellenzeiger-<version>-web.zip"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
from PIL import ImageChops  # noqa: E402
from chromium import (MENU_YELLOW, Chromium, Server, client_origin, count, differs,  # noqa: E402
                      near, unpack, until)

WIDTH, HEIGHT = 1280, 1024
# Where the windows' controls are, in pixels of their client areas: the
# layouts' twips (15 to a pixel). The windows' frames sit at the page's top
# left, so every client area starts where the menu window's does.
MENU_PHASOR = (116, 100)      # "Zeigerformalismus"
MENU_HUYGENS = (108, 284)     # "Huyghenssches Prinzip"
MENU_END = (104, 516)         # "Ende"
PHASOR_START = (72, 24)       # "Start W1/Menu", then "Menu"
HUYGENS_MENU = (280, 12)      # "Menu"
WAVES = (40, 480, 1200, 930)  # a part of the phasor window's wave picture
PHASOR_PANEL = (900, 10, 1200, 300)  # grey background right of the phasor box
FIELD_POINT = (760, 520)      # a point of the wave field, right of the sources

PHASOR_GREY = (224, 224, 224)


def changed(a, b):
    """The box around what differs between two screenshots, or None."""
    return ImageChops.difference(a, b).getbbox()


def is_red(pixel):
    return pixel[0] > 200 and pixel[1] < 80 and pixel[2] < 80


def is_dark(pixel):
    return sum(pixel) < 200


class Check:
    def __init__(self, zip_path):
        self.folder = unpack(zip_path)
        self.server = Server(self.folder)
        self.browser = Chromium(WIDTH, HEIGHT)
        self.failed = []
        self.origin = (0, 0)

    def step(self, name, action):
        started = time.monotonic()
        reported = len(self.browser.console)
        try:
            action()
            print("ok    %-58s %5.1f s" % (name, time.monotonic() - started), flush=True)
        except AssertionError as error:
            print("FAIL  %-58s %s" % (name, error), flush=True)
            self.failed.append(name)
            try:
                self.browser.screenshot().save("web-check-failure-%d.png" % len(self.failed))
            except AssertionError:
                pass
        finally:
            for line in self.browser.console[reported:]:
                print("      console: " + line, flush=True)

    def shows(self, colour, box, share=0.5):
        left, top, right, bottom = box
        need = share * (right - left) * (bottom - top)
        return lambda: count(self.browser.screenshot(), box, near(colour)) >= need

    def menu_shown(self):
        return self.shows(MENU_YELLOW, (20, 40, 560, 540), 0.4)()

    def box(self, box):
        left, top = self.origin
        return (box[0] + left, box[1] + top, box[2] + left, box[3] + top)

    def click(self, at, **how):
        self.browser.click(at[0] + self.origin[0], at[1] + self.origin[1], **how)

    # The steps.
    def menu_appears(self):
        self.browser.navigate(self.server.url)
        until(self.menu_shown, 60, "the menu window is shown")
        until(lambda: self.browser.evaluate("document.getElementById('loading').hidden"), 10,
              "the loading screen is gone")
        self.origin = client_origin(self.browser.screenshot())

    def phasor_animates(self):
        self.click(MENU_PHASOR)
        until(self.shows(PHASOR_GREY, self.box(PHASOR_PANEL), 0.8), 20,
              "the phasor window is shown")
        self.click(PHASOR_START)
        first = self.browser.screenshot()
        until(lambda: differs(first, self.browser.screenshot(), self.box(WAVES)), 10, "the waves move")
        second = self.browser.screenshot()
        until(lambda: differs(second, self.browser.screenshot(), self.box(WAVES)), 10, "they move on")

    def ctrl_s_downloads(self):
        self.browser.key("s", "KeyS", 83, modifiers=2)
        found = until(lambda: [f for f in os.listdir(self.browser.downloads)
                               if f.startswith("wellenzeiger-zeiger-") and f.endswith(".png")],
                      30, "a picture is downloaded")
        path = os.path.join(self.browser.downloads, found[0])
        until(lambda: open(path, "rb").read(8) == b"\x89PNG\r\n\x1a\n", 10, "it is a PNG")

    def menu_returns(self):
        self.click(PHASOR_START)
        until(self.menu_shown, 20, "the menu window is shown again")

    def huygens_field(self):
        self.click(MENU_HUYGENS)
        field = (80, 60, WIDTH - 20, HEIGHT - 20)
        until(lambda: count(self.browser.screenshot(), field, is_dark) > 20000, 60,
              "the wave field is drawn")

    def finger_shows_rays(self):
        x, y = FIELD_POINT
        box = (0, 40, WIDTH, HEIGHT)
        before = count(self.browser.screenshot(), box, is_red)
        self.browser.touch("touchStart", x, y)
        self.browser.touch("touchMove", x + 30, y + 10)  # a drag: no long press
        try:
            until(lambda: count(self.browser.screenshot(), box, is_red) > before + 500, 10,
                  "red rays run to the sources")
        finally:
            self.browser.touch("touchEnd")
        until(lambda: count(self.browser.screenshot(), box, is_red) < before + 500, 10,
              "the rays go when the finger is lifted")
        # The phasor box stays, under its caption, near the point.
        image = self.browser.screenshot()
        assert count(image, (x - 300, y - 300, x + 300, y + 300), is_dark) > 300, \
            "the phasor box stays"

    def long_press_scans(self):
        x, y = FIELD_POINT[0] - 200, FIELD_POINT[1]
        column = (x - 3, 60, x + 4, HEIGHT - 40)
        self.browser.touch("touchStart", x, y)
        time.sleep(0.8)  # a finger held still
        self.browser.touch("touchEnd")
        # At its end the scan draws the cut as a red line from top to bottom.
        until(lambda: count(self.browser.screenshot(), column, is_red) > 0.5 * (HEIGHT - 100),
              60, "the scan ends with its red cut line")

    def page_resized(self):
        # A larger page: the window grows with it and the field fills the new
        # part; back to the old size, the window fits again (its frame's
        # bottom right corner shows) and the field is drawn in it.
        field = (WIDTH + 40, 200, WIDTH + 300, HEIGHT - 100)
        self.browser.resize(WIDTH + 320, HEIGHT)
        until(lambda: count(self.browser.screenshot(), field, is_dark) > 5000, 30,
              "the field fills the larger page")
        self.browser.resize(WIDTH, HEIGHT)
        corner = (WIDTH - 40, HEIGHT - 40, WIDTH, HEIGHT)
        until(lambda: count(self.browser.screenshot(), corner, is_dark) < 400, 30,
              "the window fits the page again")
        until(lambda: count(self.browser.screenshot(), (80, 60, WIDTH - 20, HEIGHT - 20),
                            is_dark) > 20000, 30, "the field is drawn again")

    def keyboard_after_help(self):
        # F1 opens the help, Esc closes it, and the keys work again without a
        # click: F1 opens it a second time where it was.
        before = self.browser.screenshot()
        self.browser.key("F1", "F1", 112)
        shown = until(lambda: changed(before, self.browser.screenshot()), 10, "the help opens")
        self.browser.key("Escape", "Escape", 27)
        until(lambda: not differs(before, self.browser.screenshot(), shown), 10,
              "the help closes")
        self.browser.key("F1", "F1", 112)
        until(lambda: changed(before, self.browser.screenshot()) == shown, 10,
              "the help opens again")
        self.browser.key("Escape", "Escape", 27)
        until(lambda: not differs(before, self.browser.screenshot(), shown), 10,
              "the help closes again")

    def offline_reload(self):
        assert self.browser.evaluate(
            "Promise.race([navigator.serviceWorker.ready.then(() => true),"
            " new Promise(done => setTimeout(() => done(false), 30000))])", wait=True), \
            "no service worker is ready"
        until(lambda: self.browser.evaluate(
            "caches.keys().then(k => Promise.all(k.map(n => caches.open(n).then(c => "
            "c.match('wellenzeiger.wasm'))))).then(r => r.some(Boolean))", wait=True),
            60, "the service worker keeps the program")
        self.server.stop()
        self.browser.reload()
        # Chromium takes no screenshot of a page that is still starting.
        until(lambda: self.browser.evaluate(
            "!!window.wellenzeiger && document.getElementById('loading').hidden"), 60,
            "the program starts without the server")
        until(self.menu_shown, 60, "the menu window is shown without the server")

    def end_page(self):
        self.click(MENU_END)
        until(lambda: self.browser.evaluate("!document.getElementById('ended').hidden"), 20,
              "the end page is shown")
        text = self.browser.evaluate("document.getElementById('ended').innerText")
        assert "Das Programm ist beendet" in text, text

    def run(self):
        try:
            self.step("the menu appears", self.menu_appears)
            self.step("the phasor window opens and animates", self.phasor_animates)
            self.step("Strg+S downloads a PNG during the animation", self.ctrl_s_downloads)
            self.step("\"Menu\" returns to the menu", self.menu_returns)
            self.step("the Huygens window draws its field", self.huygens_field)
            self.step("a finger in the field shows the rays; lifted, the box stays",
                      self.finger_shows_rays)
            self.step("a long press runs the scan", self.long_press_scans)
            self.step("a resized page lays the window out anew", self.page_resized)
            self.step("F1, Esc, F1 again: keys work after the help", self.keyboard_after_help)
            self.step("\"Menu\" of the Huygens window, then offline reload",
                      lambda: (self.click(HUYGENS_MENU), self.offline_reload()))
            self.step("\"Ende\" shows the end page", self.end_page)
        finally:
            self.browser.close()
            self.server.stop()
        if self.failed:
            sys.exit("test-web: %d of the checks failed: %s" % (len(self.failed), ", ".join(self.failed)))
        print("test-web: all checks passed")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    Check(sys.argv[1]).run()
