#!/usr/bin/python3
"""The browser edition's size and start-up, against a bare page.

startup_bench.py SITE_DIR [RUNS] [--engine chromium|firefox|webkit] [--where] [--cold]

Size: every file of the site (the icons an installed app shows included),
as stored and gzip-compressed (level 6, as a static host compresses), which
is what a browser transfers. Start-up: from navigation to the start page's
"3G Setup" button being in the page (the program fills the page in before
the browser gets to run anything else) and to its being drawn (the frame
after, laid out and painted), median of RUNS (9), in headless Chromium unless
told; the same for bare.html, the start page's controls made by plain
JavaScript, in the same browser and run, one page after the other, each once
the page before has settled. Neither page is stored by the browser: the server
forbids storing any answer (no HTTP cache, and no compiled program kept
beside it), and the site runs without its service worker. The engine
itself still keeps what it compiled (each page's script, and the program's
code) in the memory of the page's process, which the next load of the same
site may use. Nor is either
watched as DevTools would: Chromium's network and console reports, which a
visitor does not have, cost each request and each console line some
milliseconds, and the site has one more request and a line of its own. A
benchmark, not a test: it prints, it never fails on a number.

--cold makes every load a first visit: the site is served from 127.0.0.1 and
the bare page from 127.0.0.2, which browsers take for two sites, so that each
load is a navigation from another site and starts in a process of its own,
with nothing compiled before (in Chromium and Firefox; WebKitGTK's
MiniBrowser gives the same times either way).

--where also prints where the site's start goes, medians in ms from
navigation: when trailcfg.wasm was asked for and had arrived (the browser's
resource timing), when the program's script in the page began and ended
running, when the page heard of trailcfg.wasm's answer and had it compiled,
when the rest of the page was parsed and when the program started (marks
put into the bench's copy of the page), and the start page in the page and
drawn."""
import argparse
import gzip
import json
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "harness"))
from browser import ENGINES, Site, open_browser  # noqa: E402

# Records the moment the button appears, wherever the page is at; put first
# into each page's head, as every engine runs it the same way there.
WATCH = """<script>
new MutationObserver((_, observer) => {
  if (!document.getElementById('c40002')) return;
  observer.disconnect();
  window.__inPage = performance.now();
  // Drawn: the frame after it has been laid out and painted.
  requestAnimationFrame(() => {
    const after = new MessageChannel();
    after.port1.onmessage = () => { window.__drawn = performance.now(); };
    after.port2.postMessage(0);
  });
}).observe(document, {childList: true, subtree: true});
</script>"""

SETTLE = 0.5  # seconds between one page's start and the next

TYPES = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm", ".css": "text/css",
         ".json": "application/manifest+json", ".png": "image/png", ".bmp": "image/bmp", ".txt": "text/plain"}


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


def serve_unstored(folder):
    """Answers every GET from `folder` with Cache-Control: no-store."""
    def answer(handler):
        path = os.path.join(folder, handler.path.split("?")[0].lstrip("/"))
        if handler.command != "GET" or not os.path.isfile(path):
            return False
        with open(path, "rb") as f:
            data = f.read()
        handler.send_response(200)
        handler.send_header("Content-Type", TYPES.get(os.path.splitext(path)[1], "application/octet-stream"))
        handler.send_header("Content-Length", str(len(data)))
        handler.send_header("Cache-Control", "no-store")
        handler.end_headers()
        handler.wfile.write(data)
        return True
    return answer


# What --where marks in the bench's copy of the page, besides the program's
# script: when the page hears of trailcfg.wasm's answer and has it compiled,
# when the page below the program is parsed, and when the program starts.
WHERE_MARKS = """<script>
trailcfgWasm.then(function () { performance.mark('trailcfg.wasm answers the page'); });
trailcfgCompiled.then(function () { performance.mark('trailcfg.wasm compiled'); });
Module.onRuntimeInitialized = function () { performance.mark('the program starts'); };
</script>"""

# What --where reads once the page is in: the marks, and the resource
# timing of the files the start waits for.
WHERE = """JSON.stringify([performance.getEntriesByType('mark').map(m => [m.name, m.startTime]),
  performance.getEntriesByType('resource').map(r => [r.name.split('/').pop().split('?')[0], r.requestStart, r.responseEnd])])"""


def where_of(browser, times, into):
    marks, files = json.loads(browser.evaluate(WHERE))
    for name, at in marks:
        into.setdefault(name, []).append(at)
    for name, asked, arrived in files:
        if name == "trailcfg.wasm":
            into.setdefault(name + " asked for", []).append(asked)
            into.setdefault(name + " arrived", []).append(arrived)
    into.setdefault("in the page", []).append(times[0])
    into.setdefault("drawn", []).append(times[1])


def start_time(browser, url):
    """(in the page, drawn): ms from navigation to the button's being in
    the page, and to its being on the screen."""
    browser.navigate(url)
    times = browser.wait_for("window.__drawn && [window.__inPage, window.__drawn]", timeout=120)
    # What the page still does once it shows (the program's compiler
    # finishing, storage opening) must not slow the next page down.
    browser.wait_for("document.readyState === 'complete'", timeout=120)
    time.sleep(SETTLE)
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site")
    parser.add_argument("runs", nargs="?", type=int, default=9)
    parser.add_argument("--engine", choices=ENGINES, default="chromium")
    parser.add_argument("--where", action="store_true", help="also print where the start goes")
    parser.add_argument("--cold", action="store_true", help="each load from another site: nothing compiled kept")
    args = parser.parse_args()
    site_dir = os.path.abspath(args.site)
    raw, compressed = site_size(site_dir)
    print("site: %d files, %.1f KiB stored, %.1f KiB gzip" % (
        len([n for n in os.listdir(site_dir) if os.path.isfile(os.path.join(site_dir, n))]),
        raw / 1024, compressed / 1024))

    # The bare page sits beside the site so that both load the same style
    # and banner from the same server; without sw.js the site has no worker.
    work = tempfile.mkdtemp(prefix="trailcfg-bench-")
    for name in os.listdir(site_dir):
        if name != "sw.js":
            shutil.copy(os.path.join(site_dir, name), work)
    shutil.copy(os.path.join(os.path.dirname(os.path.abspath(__file__)), "bare.html"), work)
    for name in ("index.html", "bare.html"):
        path = os.path.join(work, name)
        with open(path) as f:
            page = f.read()
        with open(path, "w") as f:
            f.write(page.replace("<head>", "<head>\n" + WATCH, 1))
    if args.where:
        path = os.path.join(work, "index.html")
        with open(path) as f:
            page = f.read()
        code = '<script data-from="trailcfg.js">'
        start = page.index(code) + len(code)
        end = page.index("</script>", start)
        page = (page[:start] + "performance.mark(\"the program's script runs\");" + page[start:end] +
                "\n;performance.mark(\"the program's script has run\");" + page[end:])
        # Heard of as soon as the page's first script has asked, so that a
        # promise kept meanwhile is not marked late.
        page = page.replace('<style data-from="trailcfg.css">', WHERE_MARKS + '<style data-from="trailcfg.css">', 1)
        page = page.replace("<script>trailcfgPageReady();", "<script>performance.mark('the page is parsed');"
                            "trailcfgPageReady();", 1)
        with open(path, "w") as f:
            f.write(page)
    site = Site(work, serve_unstored(work))
    bare_site = Site(work, serve_unstored(work), host="127.0.0.2") if args.cold else site
    browser = open_browser(args.engine, width=900, height=700)
    try:
        if args.engine == "chromium":
            browser.call("Runtime.disable")
        times = {"trailcfg": [], "bare": []}
        where = {}
        start_time(browser, bare_site.url + "bare.html")  # warms the browser itself up
        for _ in range(args.runs):
            for page, url in (("trailcfg", site.url + "index.html"), ("bare", bare_site.url + "bare.html")):
                times[page].append(start_time(browser, url))
                if args.where and page == "trailcfg":
                    where_of(browser, times[page][-1], where)
    finally:
        browser.close()
        site.close()
        if bare_site is not site:
            bare_site.close()
        shutil.rmtree(work, ignore_errors=True)
    for what, index in (("in the page", 0), ("drawn", 1)):
        ours = statistics.median(t[index] for t in times["trailcfg"])
        bare = statistics.median(t[index] for t in times["bare"])
        print("%s%s: start page %s after navigation (median of %d): trailcfg %.1f ms, bare page %.1f ms, ratio %.2f" % (
            args.engine, " (cold)" if args.cold else "", what, args.runs, ours, bare, ours / bare))
        print("  trailcfg: " + " ".join("%.0f" % t[index] for t in times["trailcfg"]))
        print("  bare:     " + " ".join("%.0f" % t[index] for t in times["bare"]))
    if args.where:
        print("%s: where trailcfg's start goes (ms from navigation, median of %d):" % (args.engine, args.runs))
        for name, at in sorted(where.items(), key=lambda item: statistics.median(item[1])):
            print("  %6.1f  %s" % (statistics.median(at), name))
    return 0


if __name__ == "__main__":
    sys.exit(main())
