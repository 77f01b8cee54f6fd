"""What the end-to-end tests share: the real site served to a browser
(headless Chromium unless the command line names firefox or webkit after the
site), the pages and the message box as the DOM shows them, and the tally of
checks, with a screenshot of the page when a step goes wrong."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web", "harness"))
from browser import Site, open_browser  # noqa: E402

# The program has taken in every input once web_dom.js's queue is empty: it
# handles what it takes at once, on the page's one thread.
SETTLED = "typeof TC === 'object' && TC.queue.length === 0"
# The open message box's text, or a false value while none is open.
MESSAGE = "(() => { const m = document.querySelector('.tc-message'); return m && m.innerText; })()"
# The page's clock stopped at one second: Generate stamps the time into
# CFG.BIN, and two Generates must give the same bytes.
STILL_CLOCK = "(() => { const now = Date.now(); Date.now = () => now; })()"


def page_shown(browser, template):
    browser.wait_for("!!document.querySelector('.tc-window[data-template=\"%d\"]')" % template)


def open_with_picker(site, browser, picker, folder):
    """Opens the site with `picker` standing in for the browser's folder
    dialog, over a fresh folder `folder` of the origin's private file system:
    a folder of an earlier run must not be mistaken for this run's."""
    browser.add_init_script(picker)
    browser.navigate(site.url + "index.html")
    browser.wait_for("document.readyState === 'complete'")
    browser.evaluate("navigator.storage.getDirectory().then(r => r.removeEntry('%s', {recursive: true}))"
                     ".catch(() => true)" % folder)


def run(name, body):
    """Serves the site given on the command line to the browser named after
    it, calls body(site, browser, check) and returns the exit status: 1 when
    a check failed."""
    site = Site(sys.argv[1])
    browser = open_browser(sys.argv[2] if len(sys.argv) > 2 else "chromium", width=900, height=700)
    browser.settled = SETTLED
    failures = []

    def check(what, ok):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    try:
        body(site, browser, check)
    except Exception:
        shot = os.path.join(os.environ.get("TMPDIR", "/tmp"), "trailcfg-%s-%s-failure.png" % (name, browser.engine))
        browser.screenshot(shot)
        print("FAIL the page at the failure: " + shot)
        raise
    finally:
        browser.close()
        site.close()
    print("%d failed" % len(failures))
    return 1 if failures else 0
