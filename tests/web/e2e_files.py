#!/usr/bin/python3
"""End to end, where Generate's files go when they cannot go into a picked
folder: the real site in a browser (headless Chromium, or the engine named
after the site), driven by clicks and typing.

- Without a picked folder, Generate offers its file as a download named
  CFG.BIN or menu.dat, in every engine; the downloads' bytes are checked.
  Every Generate downloads, also when its bytes are the same as before, and
  the success message says the file must be named CFG.BIN in the card's top
  folder (a browser numbers a repeated download).
- Where the browser has no folder picker (Firefox, WebKit; in Chromium it is
  taken away while the page looks for a remembered folder), the page goes
  on, and Browse says so in the page's language.
- A picked folder that refuses the write (its file handle will not open a
  writable stream, as a locked card) gets no file, not even an empty one,
  and Generate does not report success: the program's read-back finds the
  file as it was. Only Chromium has the folder picker this stands in for.

e2e_files.py SITE_DIR [chromium|firefox|webkit]"""
import os
import sys
import time

from e2e_generate import APP_SET_MARK, CFG_SIZE, unscramble
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

MMS_SEND = 1
MENU_SIZE = 44
MENU_MARKER = 143  # the byte before the reserved one and the flag word
MENU_FLAG = 0x8081


def to_send_page_with_mms(browser):
    """3G Setup, Next, and one phone number: enough for MMS to Generate."""
    page_shown(browser, 111)
    browser.click("#c40002")
    page_shown(browser, 107)
    browser.choose("#c40014", "MMS")
    browser.click("#c40082")
    page_shown(browser, 106)
    browser.type_into("#c40023", "+8613800000000")


def steps(site, browser, check):
    downloaded(site, browser, check)
    if browser.engine == "chromium":
        refused(site, browser, check)
    no_picker(site, browser, check)


def generate(browser, button):
    browser.click(button)
    message = browser.wait_for(MESSAGE)
    browser.click(".tc-ok")
    return message


def downloaded(site, browser, check):
    browser.navigate(site.url + "index.html")
    to_send_page_with_mms(browser)
    path = browser.evaluate("document.querySelector('#c40012').value")
    check("the save path shows the folder inside the browser (%s)" % path, path == "/in-browser")
    # The page's clock stopped: the second Generate gives the same bytes.
    browser.evaluate(STILL_CLOCK)
    message = generate(browser, "#c40013")
    check("Generate succeeds (%r)" % message, "Generate Success!" in message)
    check("and says the card needs it as CFG.BIN in its top folder",
          "named exactly CFG.BIN" in message and "top folder" in message)
    data = browser.downloaded("CFG.BIN")
    check("CFG.BIN is downloaded, %d bytes (%s)" % (CFG_SIZE, data and len(data)), data and len(data) == CFG_SIZE)
    if data:
        plain = unscramble(data)
        check("it is marked as set by the program, sending by MMS (0x%02X)" % plain[0],
              plain[0] == APP_SET_MARK | MMS_SEND)
        check("it holds the phone number", b"+8613800000000" in plain)
    before = downloads_seen(browser)
    message = generate(browser, "#c40013")
    check("Generate again, the same bytes, succeeds (%r)" % message, "Generate Success!" in message)
    again = next_download(browser, "CFG.BIN", before)
    check("and is downloaded again, the same bytes (%s)" % sorted(os.listdir(browser.downloads)),
          again is not None and again == data)

    browser.click(".tc-close")
    page_shown(browser, 111)
    browser.click("#c40000")  # Camera Setup
    page_shown(browser, 113)
    mode = browser.evaluate("document.querySelector('#c40006').options[2].text")
    browser.choose("#c40006", mode)
    message = generate(browser, "#c40096")
    check("the camera page's Generate succeeds (%r)" % message, "Generate Success!" in message)
    data = browser.downloaded("menu.dat")
    check("menu.dat is downloaded, %d bytes (%s)" % (MENU_SIZE, data and len(data)), data and len(data) == MENU_SIZE)
    if data:
        plain = unscramble(data)
        check("it holds the chosen mode, its marker and its flag (%d, %d, 0x%04X)" % (
            plain[0], plain[40], plain[42] | plain[43] << 8),
            plain[0] == 2 and plain[40] == MENU_MARKER and plain[42] | plain[43] << 8 == MENU_FLAG)


def downloads_seen(browser):
    """Each download's name and what changes when it is written again: a
    browser may set the time it was last modified itself, never the inode
    or the time of the change."""
    folder = browser.downloads
    seen = {}
    for name in os.listdir(folder):
        info = os.stat(os.path.join(folder, name))
        seen[name] = (info.st_ino, info.st_ctime_ns)
    return seen


def next_download(browser, name, before, timeout=30):
    """The bytes of the download after `before` (downloads_seen), which
    the browser either writes over `name` or numbers (CFG (1).BIN,
    CFG(1).BIN, ...)."""
    stem, ext = os.path.splitext(name)
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = [n for n, seen in downloads_seen(browser).items()
                 if n.startswith(stem) and n.endswith(ext) and before.get(n) != seen]
        if found:
            return browser.downloaded(found[0])
        time.sleep(0.1)
    return None


# Chromium's folder picker taken away (Firefox and WebKit have none) while
# the page looks for the folder picked on an earlier visit: the page goes on
# as in a browser without one, rather than waiting for that look forever.
NO_PICKER = """
const open = IDBFactory.prototype.open;
IDBFactory.prototype.open = function (...args) {
  delete window.showDirectoryPicker;
  delete Window.prototype.showDirectoryPicker;
  return open.apply(this, args);
};
"""


def no_picker(site, browser, check):
    if browser.engine == "chromium":
        browser.add_init_script(NO_PICKER)
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    if browser.engine == "chromium":
        looked = browser.wait_for("typeof window.showDirectoryPicker === 'undefined'", timeout=10)
        check("the page looked for a remembered folder while it had a picker", looked)
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
    browser.clear_console()
    browser.click("#c40013")  # Generate
    browser.wait_for("(() => { const m = document.querySelector('.tc-message');"
                     " return !!m || performance.now() > (window.__until ||= performance.now() + 2000); })()")
    message = browser.evaluate("(() => { const m = document.querySelector('.tc-message');"
                               " return m ? m.innerText : ''; })()")
    check("Generate into the locked folder reports no success (%r)" % message,
          "Generate Success!" not in message)
    check("the program says Generate failed", any("Generate fail!" in line for line in browser.console_lines()))
    names = browser.evaluate("""(async () => {
        const folder = await (await navigator.storage.getDirectory()).getDirectoryHandle('locked');
        const names = [];
        for await (const name of folder.keys()) names.push(name);
        return names;
    })()""")
    check("the locked folder holds no file (%s)" % names, names == [])


if __name__ == "__main__":
    sys.exit(run("e2e-files", steps))
