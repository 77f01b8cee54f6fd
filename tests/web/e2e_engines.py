#!/usr/bin/python3
"""The same site in Chromium, Firefox and WebKit, each on a fresh profile:
the first load fetches trailcfg.wasm once (its preload is the fetch the
program uses, not a second download, and the service worker keeps that
download for use offline rather than fetching its own), and the start page has the same size
in every engine, since one layout in one font must give one page.

e2e_engines.py SITE_DIR"""
import sys

from e2e_session import page_shown
from browser import ENGINES, Site, open_browser

SIZE = ("(() => { const r = document.querySelector('.tc-client').getBoundingClientRect();"
        " return [r.width, r.height]; })()")


def first_load(site, engine):
    """The start page's size and how often trailcfg.wasm was fetched."""
    del site.requests[:]
    browser = open_browser(engine, width=900, height=700)
    try:
        browser.navigate(site.url + "index.html")
        page_shown(browser, 111)
        # A preload that goes unused is fetched again later, once the program
        # asks; the page waits for the program's answer (its first page) first.
        size = browser.evaluate(SIZE)
        browser.wait_for("navigator.serviceWorker.ready.then(r => r.active && r.active.state === 'activated')")
        return size, sum(1 for path in site.requests if path.split("?")[0] == "/trailcfg.wasm")
    finally:
        browser.close()


def main():
    site = Site(sys.argv[1])
    failures = 0
    sizes = {}
    try:
        for engine in ENGINES:
            size, fetches = first_load(site, engine)
            sizes[engine] = size
            ok = fetches == 1
            failures += not ok
            print("%s %s: trailcfg.wasm fetched %d time(s) on the first load; start page %g x %g" % (
                "ok  " if ok else "FAIL", engine, fetches, size[0], size[1]))
    finally:
        site.close()
    same = len({tuple(s) for s in sizes.values()}) == 1
    failures += not same
    print("%s the start page is one size in every engine" % ("ok  " if same else "FAIL"))
    print("%d failed" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
