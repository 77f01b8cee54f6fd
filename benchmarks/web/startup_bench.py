#!/usr/bin/python3
"""The browser edition's size and start-up, against a bare page.

startup_bench.py SITE_DIR [RUNS]

Size: every file of the site (the icons an installed app shows included), as stored and gzip-compressed (level 6, as a
static host compresses), which is what a browser transfers. Start-up: from
navigation to the start page being usable (its "3G Setup" button is on the
page: the page has opened and filled itself in, since the program fills it
in before the browser gets to run anything else), in headless Chromium with
its cache off, median of RUNS; the same for bare.html, the start page's
controls made by plain JavaScript, in the same browser and run. A
benchmark, not a test: it prints, it never fails on a number."""
import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "harness"))
from browser import Site  # noqa: E402
from cdp import Chromium  # noqa: E402

# Records the moment the button appears, wherever the page is at.
WATCH = """
new MutationObserver((_, observer) => {
  if (document.getElementById('c40002')) { window.__usable = performance.now(); observer.disconnect(); }
}).observe(document, {childList: true, subtree: true});
"""


def site_size(folder):
    raw = compressed = 0
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if not os.path.isfile(path) or name == "bare.html":
            continue
        data = open(path, "rb").read()
        raw += len(data)
        compressed += len(gzip.compress(data, compresslevel=6))
    return raw, compressed


def start_time(browser, url):
    browser.navigate(url)
    return browser.wait_for("window.__usable || 0", timeout=120)


def main():
    site_dir = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    raw, compressed = site_size(site_dir)
    print("site: %d files, %.1f KiB stored, %.1f KiB gzip" % (
        len([n for n in os.listdir(site_dir) if os.path.isfile(os.path.join(site_dir, n))]),
        raw / 1024, compressed / 1024))

    # The bare page sits beside the site so that both load the same style
    # and banner from the same server.
    work = tempfile.mkdtemp(prefix="trailcfg-bench-")
    for name in os.listdir(site_dir):
        shutil.copy(os.path.join(site_dir, name), work)
    shutil.copy(os.path.join(os.path.dirname(os.path.abspath(__file__)), "bare.html"), work)
    site = Site(work)
    browser = Chromium(width=900, height=700)
    try:
        browser.call("Network.enable")
        browser.call("Network.setCacheDisabled", cacheDisabled=True)
        # The site's service worker would answer from its own cache.
        browser.call("Network.setBypassServiceWorker", bypass=True)
        browser.add_init_script(WATCH)
        times = {"trailcfg": [], "bare": []}
        start_time(browser, site.url + "bare.html")  # warms the browser itself up
        for _ in range(runs):
            times["trailcfg"].append(start_time(browser, site.url + "index.html"))
            times["bare"].append(start_time(browser, site.url + "bare.html"))
    finally:
        browser.close()
        site.close()
        shutil.rmtree(work, ignore_errors=True)
    ours = statistics.median(times["trailcfg"])
    bare = statistics.median(times["bare"])
    print("start page usable after navigation (median of %d): trailcfg %.1f ms, bare page %.1f ms, ratio %.2f" % (
        runs, ours, bare, ours / bare))
    print("  trailcfg: " + " ".join("%.0f" % t for t in times["trailcfg"]))
    print("  bare:     " + " ".join("%.0f" % t for t in times["bare"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
