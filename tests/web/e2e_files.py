#!/usr/bin/python3
"""End to end, where Generate's file goes when it cannot go into a picked
folder: the real site in headless Chromium, driven by clicks and typing
through the DevTools protocol.

- Without a picked folder, Generate offers the file as a download named
  CFG.BIN (the browser's downloads are let into a temporary folder), every
  time, also when its bytes are the same as before; the success message
  says the file must be named CFG.BIN in the card's top folder.
- Where the browser has no folder picker, Browse says so in the page's
  language.
- A picked folder that refuses the write (its file handle will not open a
  writable stream, as a locked card) gets no file, not even an empty one,
  and Generate does not report success: the program's read-back finds the
  file as it was.

e2e_files.py SITE_DIR"""
import os
import shutil
import sys
import tempfile
import time

from e2e_session import MESSAGE, STILL_CLOCK, open_with_picker, page_shown, run

LOCKED_PICKER = """
window.showDirectoryPicker = async () => {
  const root = await navigator.storage.getDirectory();
  const folder = await root.getDirectoryHandle('locked', { create: true });
  const pass = (target, name) => {
    const value = target[name];
    return typeof value === 'function' ? value.bind(target) : value;
  };
  const lockedFile = file => new Proxy(file, { get: (t, name) => name === 'createWritable'
      ? async () => { throw new DOMException('the card is locked', 'NoModificationAllowedError'); }
      : pass(t, name) });
  return new Proxy(folder, { get: (t, name) => name === 'getFileHandle'
      ? async (...args) => lockedFile(await t.getFileHandle(...args))
      : pass(t, name) });
};
"""

CFG_SIZE = 1320


def to_send_page_with_mms(browser):
    """3G Setup, Next, and one phone number: enough for MMS to Generate."""
    page_shown(browser, 111)
    browser.click("#c40002")
    page_shown(browser, 107)
    browser.choose("#c40014", "MMS")
    browser.click("#c40082")
    page_shown(browser, 106)
    browser.type_into("#c40023", "+8613800000000")


def console_lines(browser):
    lines = []
    for event in browser.events:
        if event.get("method") == "Runtime.consoleAPICalled":
            lines += [str(a.get("value", "")) for a in event["params"]["args"]]
    return lines


def steps(site, browser, check):
    downloads = tempfile.mkdtemp(prefix="trailcfg-downloads-")
    try:
        downloaded(site, browser, check, downloads)
    finally:
        shutil.rmtree(downloads, ignore_errors=True)
    refused(site, browser, check)
    no_picker(site, browser, check)


def downloaded(site, browser, check, downloads):
    # Each download under its own name (its guid): a repeated one must not
    # hide behind the first.
    browser.call("Browser.setDownloadBehavior", behavior="allowAndName", downloadPath=downloads,
                 eventsEnabled=True)
    browser.call("Page.addScriptToEvaluateOnNewDocument", source=STILL_CLOCK)
    browser.navigate(site.url + "index.html")
    to_send_page_with_mms(browser)
    path = browser.evaluate("document.querySelector('#c40012').value")
    check("the save path shows the folder inside the browser (%s)" % path, path == "/in-browser")
    for count in (1, 2):
        browser.click("#c40013")  # Generate, the second time with the same bytes
        message = browser.wait_for(MESSAGE)
        check("Generate %d succeeds (%r)" % (count, message), "Generate Success!" in message)
        check("and says the card needs it as CFG.BIN in its top folder",
              "named exactly CFG.BIN" in message and "top folder" in message)
        browser.click(".tc-ok")
        deadline = time.time() + 30
        while len(whole_files(downloads)) < count and time.time() < deadline:
            time.sleep(0.1)
        check("Generate %d is downloaded (%s)" % (count, sorted(os.listdir(downloads))),
              len(whole_files(downloads)) == count)
    browser.evaluate("1")  # collects the events sent meanwhile
    names = [e["params"]["suggestedFilename"] for e in browser.events if e.get("method") == "Browser.downloadWillBegin"]
    check("both are offered as CFG.BIN (%s)" % names, names == ["CFG.BIN", "CFG.BIN"])


def whole_files(folder):
    return [n for n in os.listdir(folder) if os.path.getsize(os.path.join(folder, n)) == CFG_SIZE]


NO_PICKER = "delete window.showDirectoryPicker; delete Window.prototype.showDirectoryPicker;"


def no_picker(site, browser, check):
    browser.call("Page.addScriptToEvaluateOnNewDocument", source=NO_PICKER)
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.choose("#c40004", "中文")  # the start page in Chinese
    browser.click("#c40002")  # 3G Setup
    page_shown(browser, 107)
    browser.click("#c40082")  # Next
    page_shown(browser, 106)
    browser.click("#c40010")  # Browse
    message = browser.wait_for(MESSAGE)
    check("Browse without a folder picker says why, in Chinese (%r)" % message,
          "不能选择文件夹" in message and "CFG.BIN" in message)
    browser.click(".tc-ok")
    path = browser.evaluate("document.querySelector('#c40012').value")
    check("the save path stays /in-browser (%s)" % path, path == "/in-browser")


def refused(site, browser, check):
    open_with_picker(site, browser, LOCKED_PICKER, "locked")
    to_send_page_with_mms(browser)
    browser.click("#c40010")  # Browse
    browser.wait_for("document.querySelector('#c40012').value === '/picked/locked'")
    del browser.events[:]
    browser.click("#c40013")  # Generate
    browser.wait_for("(() => { const m = document.querySelector('.tc-message');"
                     " return !!m || performance.now() > (window.__until ||= performance.now() + 2000); })()")
    message = browser.evaluate("(() => { const m = document.querySelector('.tc-message');"
                               " return m ? m.innerText : ''; })()")
    check("Generate into the locked folder reports no success (%r)" % message,
          "Generate Success!" not in message)
    browser.evaluate("1")  # collects the console events sent meanwhile
    check("the program says Generate failed", any("Generate fail!" in line for line in console_lines(browser)))
    names = browser.evaluate("""(async () => {
        const folder = await (await navigator.storage.getDirectory()).getDirectoryHandle('locked');
        const names = [];
        for await (const name of folder.keys()) names.push(name);
        return names;
    })()""")
    check("the locked folder holds no file (%s)" % names, names == [])


if __name__ == "__main__":
    sys.exit(run("e2e-files", steps))
