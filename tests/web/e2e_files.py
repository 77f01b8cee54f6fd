#!/usr/bin/python3
"""End to end, where Generate's file goes when it cannot go into a picked
folder: the real site in headless Chromium, driven by clicks and typing
through the DevTools protocol.

- Without a picked folder, Generate offers the file as a download named
  CFG.BIN (the browser's downloads are let into a temporary folder).
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

from e2e_session import MESSAGE, open_with_picker, page_shown, run

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


def downloaded(site, browser, check, downloads):
    browser.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=downloads)
    browser.navigate(site.url + "index.html")
    to_send_page_with_mms(browser)
    path = browser.evaluate("document.querySelector('#c40012').value")
    check("the save path shows the folder inside the browser (%s)" % path, path == "/in-browser")
    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate succeeds (%r)" % message, "Generate Success!" in message)
    browser.click(".tc-ok")
    target = os.path.join(downloads, "CFG.BIN")
    deadline = time.time() + 30
    while not (os.path.exists(target) and os.path.getsize(target) == CFG_SIZE) and time.time() < deadline:
        time.sleep(0.1)
    check("CFG.BIN is downloaded (%s)" % sorted(os.listdir(downloads)),
          os.path.exists(target) and os.path.getsize(target) == CFG_SIZE)


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
