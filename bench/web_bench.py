#!/usr/bin/python3
"""`make bench-web`: the figures of the program in the browser, measured in
headless Chromium on this machine (docs/performance.md), one line per figure,
"name value unit". The page counts the display frames in which the program
drew (chromium.py); nothing here is a pass or fail.

Usage: bench/web_bench.py wellenzeiger-<version>-web.zip [RUNS]"""

import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from chromium import Chromium, Server, client_origin, unpack, until  # noqa: E402

WIDTH, HEIGHT = 1920, 1080
MENU_PHASOR, MENU_HUYGENS = (116, 100), (108, 284)
PHASOR_START = (72, 24)
SOURCES_MORE = (81, 12)       # the right arrow of "Zahl der Elementarwellen"
WAVELENGTH_LESS = (128, 12)   # the left arrow of "Wellenlänge"
SCAN_POINT = (1099, 500)     # x = 2000 of the field (scale left -300, width 4000) at 1912 pixels


def settle(browser, quiet_ms=600, limit_s=60, start=None):
    """Waits until the program has not drawn for `quiet_ms`; returns the
    times of the paints since `start` (the call)."""
    start = browser.now() if start is None else start
    due = time.monotonic() + limit_s
    while time.monotonic() < due:
        time.sleep(quiet_ms / 3000)
        paints = [t for t in browser.paints() if t >= start]
        if browser.now() - (paints[-1] if paints else start) > quiet_ms:
            return start, paints
    raise AssertionError("the program kept drawing for %d s" % limit_s)


def drawing(browser, action):
    """Runs `action`; the time until the last paint it caused (ms) and the
    paints per second meanwhile."""
    start = browser.now()
    action()
    _, paints = settle(browser, start=start)
    took = paints[-1] - start
    return took, len(paints) / (took / 1000) if took > 0 else 0.0


def menu_figure(browser, url):
    browser.navigate(url)
    until(lambda: browser.evaluate("window.wellenzeigerPaints && window.wellenzeigerPaints.length > 0"),
          60, "the menu is drawn")
    return browser.paints()[0]


def one_run(url):
    browser = Chromium(WIDTH, HEIGHT)
    try:
        figures = {"web_menu_ms": menu_figure(browser, url)}
        settle(browser)
        left, top = client_origin(browser.screenshot())
        click = lambda at, **how: browser.click(at[0] + left, at[1] + top, **how)  # noqa: E731

        click(MENU_PHASOR)
        settle(browser)
        click(PHASOR_START)
        time.sleep(1)
        before, wall = browser.metrics(), time.monotonic()
        start = browser.now()
        time.sleep(5)
        frames = [t for t in browser.paints() if t >= start]
        after, wall = browser.metrics(), time.monotonic() - wall
        figures["web_animate_fps"] = len(frames) / ((browser.now() - start) / 1000)
        gaps = [b - a for a, b in zip(frames, frames[1:])]
        figures["web_animate_gap_max_ms"] = max(gaps) if gaps else 0
        figures["web_animate_cpu_pct"] = 100 * (after["TaskDuration"] - before["TaskDuration"]) / wall
        click(PHASOR_START)  # "Menu"
        settle(browser)

        figures["web_field_first_ms"], figures["web_field_paints_per_s"] = drawing(
            browser, lambda: click(MENU_HUYGENS))
        for _ in range(3):
            click(SOURCES_MORE)
            settle(browser)
        for _ in range(3):
            click(WAVELENGTH_LESS)
            settle(browser)
        # 13 sources at wavelength 60, as the desktop's field_ms.
        figures["web_field_ms"], _ = drawing(browser, lambda: click(WAVELENGTH_LESS))
        took, rate = drawing(browser, lambda: click(SCAN_POINT, button="right"))
        figures["web_scan_s"], figures["web_scan_paints_per_s"] = took / 1000, rate
        return figures
    finally:
        browser.close()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 3
    folder = unpack(sys.argv[1])
    wasm = open(os.path.join(folder, "wellenzeiger.wasm"), "rb").read()
    print("web_wasm_mb %.1f MB" % (len(wasm) / 1e6))
    print("web_wasm_gzip_mb %.1f MB" % (len(gzip.compress(wasm, 9)) / 1e6))
    server = Server(folder)
    try:
        results = [one_run(server.url) for _ in range(runs)]
    finally:
        server.stop()
    units = {"ms": "ms", "fps": "frames/s", "pct": "%", "per_s": "paints/s", "s": "s"}
    for name in results[0]:
        unit = next(u for suffix, u in units.items() if name.endswith("_" + suffix))
        print("%s %.3g %s" % (name, statistics.median(r[name] for r in results), unit))


main()
