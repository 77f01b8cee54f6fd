#!/usr/bin/python3
"""End to end, the browser edition as a person uses it: headless Chromium
shows the real site, and this test clicks and types through the DevTools
protocol. It sets up e-mail sending, picks a folder with Browse, Generates,
and checks the bytes of CFG.BIN in that folder; then the camera's page
writes menu.dat there, and a new run that picks the folder reads it on the
page's first opening. A Generate while another tab keeps the folder gives up
with the busy message and writes nothing, not even once the tab lets go. A
later visit starts in the folder picked last, reads it and writes there,
also where the browser asks again at the click that opens the page (the 3G
pages' or Camera Setup's); where the browser refuses it, the page says so,
in English and in Chinese, reads and writes the folder inside the browser,
and leaves the picked one alone.

The folder is a real directory handle of the Origin Private File System;
the browser's folder dialog, which headless Chromium cannot show, is the one
thing replaced: it answers with that handle.

e2e_generate.py SITE_DIR"""
import sys

from e2e_session import MESSAGE, STILL_CLOCK, open_with_picker, page_shown, run

PICKER = """
window.showDirectoryPicker = async () => {
  const root = await navigator.storage.getDirectory();
  return root.getDirectoryHandle('card', { create: true });
};
"""

CFG_SIZE = 1320
READ_CARD_CFG = """(async () => {
    const card = await (await navigator.storage.getDirectory()).getDirectoryHandle('card');
    const file = await (await card.getFileHandle('CFG.BIN').catch(() => null))?.getFile();
    return file ? [...new Uint8Array(await file.arrayBuffer())] : [];
})()"""
REMOVE_CARD_CFG = ("navigator.storage.getDirectory().then(r => r.getDirectoryHandle('card'))"
                   ".then(c => c.removeEntry('CFG.BIN'))")
BUSY = "another program is writing this card; try again"
# The browser asks again for a remembered folder: granted, as it does, only
# within a click.
ASKED_AGAIN = """
FileSystemHandle.prototype.queryPermission = async () => 'prompt';
FileSystemHandle.prototype.requestPermission = async () => navigator.userActivation.isActive ? 'granted' : 'denied';
"""
# The browser's leave to write a remembered folder, refused.
REFUSED = """
FileSystemHandle.prototype.queryPermission = async () => 'prompt';
FileSystemHandle.prototype.requestPermission = async () => 'denied';
"""
# What the page says of a refused folder: which, and that the page works in
# the folder inside the browser now.
REFUSED_SAID = {"en": ('"card" picked on an earlier visit cannot be written',
                       "This page now works in the folder /in-browser"),
                "zh": ("上次选择的文件夹“card”现在无法写入", "本页现在使用浏览器内的文件夹 /in-browser")}
EMAIL_SEND = 2
APP_SET_MARK = 0x80


def unscramble(data):
    # The camera files' byte scramble, undone: rotate left by two, XOR 0xA7.
    return bytes((((b << 2) | (b >> 6)) & 0xFF) ^ 0xA7 for b in data)


def second_3g_page_anew(site, browser, before_next=None):
    """A new visit of the site, on the 3G setup's page with Generate."""
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.click("#c40002")  # 3G Setup
    page_shown(browser, 107)
    if before_next:
        before_next()
    browser.click("#c40082")  # Next
    page_shown(browser, 106)


def steps(site, browser, check):
    browser.add_init_script(STILL_CLOCK)
    open_with_picker(site, browser, PICKER, "card")
    page_shown(browser, 111)

    browser.click("#c40002")  # 3G Setup
    page_shown(browser, 107)
    browser.choose("#c40014", "Email")
    browser.type_into("#c40052", "smtp.example.org")
    browser.type_into("#c40053", "587")
    browser.type_into("#c40054", "camera@example.org")
    browser.type_into("#c40056", "secret")
    browser.click("#c40082")  # Next
    page_shown(browser, 106)
    browser.type_into("#c40000", "owner@example.org")
    browser.click("#c40010")  # Browse
    folder = browser.wait_for("(() => { const e = document.querySelector('#c40012');"
                              " return e && e.value.startsWith('/picked/') && e.value; })()")
    check("Browse shows the picked folder in the save path (%s)" % folder, folder == "/picked/card")

    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate says it succeeded (%r)" % message, "Generate Success!" in message)
    browser.click(".tc-ok")

    data = bytes(browser.evaluate(READ_CARD_CFG))
    check("CFG.BIN in the folder is %d bytes (%d)" % (CFG_SIZE, len(data)), len(data) == CFG_SIZE)
    plain = unscramble(data)
    check("it is marked as set by the program, sending by e-mail (0x%02X)" % plain[0],
          plain[0] == APP_SET_MARK | EMAIL_SEND)
    for text in (b"smtp.example.org", b"camera@example.org", b"owner@example.org", b"secret"):
        check("it holds %s" % text.decode(), text in plain)
    leftovers = browser.evaluate("""(async () => {
        const card = await (await navigator.storage.getDirectory()).getDirectoryHandle('card');
        const names = [];
        for await (const name of card.keys()) names.push(name);
        return names.sort();
    })()""")
    check("the folder holds CFG.BIN and nothing else (%s)" % leftovers, leftovers == ["CFG.BIN"])

    # CFG.BIN deleted from the card (or another card put in): the same
    # settings Generated again, to the same bytes, write it again.
    browser.evaluate(REMOVE_CARD_CFG)
    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate again says it succeeded (%r)" % message, "Generate Success!" in message)
    browser.click(".tc-ok")
    again = bytes(browser.evaluate(READ_CARD_CFG))
    check("CFG.BIN is in the folder again, the same bytes (%d)" % len(again), again == data)

    # The folder's lock kept past the wait, as another tab of the site
    # would: Generate gives up with the busy message; nothing reaches the
    # folder then, nor once the lock is let go (a write left waiting would
    # land before this script's own request for it is granted).
    browser.evaluate("(() => { navigator.locks.request('trailcfg card card',"
                     " () => new Promise(r => { window.releaseCard = r; })); return true; })()")
    browser.evaluate(REMOVE_CARD_CFG)
    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate on a folder another tab keeps says it is busy (%r)" % message,
          BUSY in message and "Generate Success!" not in message)
    browser.click(".tc-ok")
    browser.evaluate("(() => { window.releaseCard(); return true; })()")
    browser.evaluate("navigator.locks.request('trailcfg card card', () => true)")
    check("and writes nothing there, also once the other tab is done", not browser.evaluate(READ_CARD_CFG))
    check("and says nothing more", not browser.evaluate(MESSAGE))
    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("then Generate succeeds (%r)" % message, "Generate Success!" in message)
    browser.click(".tc-ok")
    check("and CFG.BIN is in the folder", bytes(browser.evaluate(READ_CARD_CFG)) == data)

    # The camera's page writes menu.dat into the same folder ...
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.click("#c40000")  # Camera Setup
    page_shown(browser, 113)
    mode = browser.evaluate("document.querySelector('#c40006').options[2].text")
    browser.choose("#c40006", mode)
    browser.click("#c40073")  # Browse
    browser.wait_for("document.querySelector('#c40094').value === '/picked/card'")
    browser.click("#c40096")  # Generate
    message = browser.wait_for(MESSAGE)
    check("the camera page's Generate succeeds (%r)" % message, "Generate Success!" in message)
    browser.click(".tc-ok")

    # ... and a new run that picks the folder first opens that page with
    # the mode the file in the folder holds, not the default.
    second_3g_page_anew(site, browser)
    browser.click("#c40010")  # Browse
    browser.wait_for("document.querySelector('#c40012').value === '/picked/card'")
    browser.click(".tc-close")
    page_shown(browser, 111)
    browser.click("#c40000")  # Camera Setup, its first opening in this run
    page_shown(browser, 113)
    shown = browser.evaluate("(() => { const l = document.querySelector('#c40006');"
                             " return l.selectedIndex >= 0 ? l.options[l.selectedIndex].text : ''; })()")
    check("the picked folder's menu.dat is read on the page's first opening (%r)" % shown, shown == mode)

    # The next visit starts in the folder picked last: the page reads its
    # CFG.BIN and Generate writes there, with no Browse; so too where the
    # browser asks again (the page asks at the click that opens it: a page
    # from defaults would have Generate replace the card's settings).
    for asked_again in (False, True):
        if asked_again:
            browser.add_init_script(ASKED_AGAIN)
        second_3g_page_anew(site, browser)
        folder = browser.evaluate("document.querySelector('#c40012').value")
        check("a new visit's save path is the folder picked last (%s)" % folder, folder == "/picked/card")
        shown = browser.evaluate("document.querySelector('#c40000').value")
        check("and the page shows what its CFG.BIN holds (%s)" % shown, shown == "owner@example.org")
        browser.evaluate(REMOVE_CARD_CFG)
        browser.click("#c40013")  # Generate
        message = browser.wait_for(MESSAGE)
        check("Generate there succeeds (%r)" % message, "Generate Success!" in message and "download" not in message)
        browser.click(".tc-ok")
        written = unscramble(bytes(browser.evaluate(READ_CARD_CFG)))
        check("and writes CFG.BIN into the folder", b"owner@example.org" in written)
    # The camera's page as the visit's first: it too asks within its click,
    # before it reads the folder's menu.dat.
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.click("#c40000")  # Camera Setup
    page_shown(browser, 113)
    shown = browser.evaluate("[document.querySelector('#c40094').value, document.querySelector('#c40006')"
                             ".selectedOptions[0].text]")
    check("Camera Setup first: asked at its click, it opens from the folder's menu.dat (%s)" % shown,
          shown == ["/picked/card", mode] and not browser.evaluate(MESSAGE))

    # A visit where the browser refuses its leave: the page that would have
    # read the folder says so and works in the folder inside the browser;
    # Generate downloads and leaves the picked folder alone.
    browser.add_init_script(REFUSED)
    browser.evaluate(REMOVE_CARD_CFG)

    def refusal_said(*texts):
        message = browser.wait_for(MESSAGE)
        check("a refused folder is said at the page's opening, and where the page works now (%r)" % message,
              all(text in message for text in texts))
        browser.click(".tc-ok")

    second_3g_page_anew(site, browser, lambda: refusal_said(*REFUSED_SAID["en"]))
    folder = browser.evaluate("document.querySelector('#c40012').value")
    check("and the save path is the folder inside the browser (%s)" % folder, folder == "/in-browser")
    browser.type_into("#c40000", "owner@example.org")
    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate downloads (%r)" % message, "Generate Success!" in message and "downloaded CFG.BIN" in message)
    browser.click(".tc-ok")
    check("and writes nothing into the folder", not browser.evaluate(READ_CARD_CFG))

    # So too in Chinese: the folder picked again, refused on a visit in a
    # Chinese browser.
    browser.click("#c40010")  # Browse
    browser.wait_for("document.querySelector('#c40012').value === '/picked/card'")
    browser.set_language("zh-CN")
    second_3g_page_anew(site, browser, lambda: refusal_said(*REFUSED_SAID["zh"]))
    folder = browser.evaluate("document.querySelector('#c40012').value")
    check("and the save path is the folder inside the browser (%s)" % folder, folder == "/in-browser")


if __name__ == "__main__":
    sys.exit(run("e2e", steps))
