#!/usr/bin/python3
"""End to end, the browser edition as an app: the real site in headless
Chromium, driven through the DevTools protocol; `remembered` and `new_build`
also in the engine named after the step.

- named: every list, edit and check box of the four pages has a name in
  Chromium's accessibility tree, in the page's language ("Timer1 Start
  Hour"; in Chinese after the start page's language list says so).
- offline: after one visit, with the server stopped and the HTTP cache
  cleared, the page starts again and Generate succeeds.
- installable: Chromium reports no installability errors.
- new_build: a build B put on the server in place of A, where A was
  visited, starts wholly B the next time (each of its files, the program's
  code included, the style and the banner as the page draws them, whatever
  the browser keeps in memory, and nothing else kept); a server halfway
  through the change (B's worker, A's program) gives the browser nothing to keep and
  the page stays wholly A. The server gives every file of both builds one
  time, as a reproducible build does, and sw.js is one size in every build:
  its "not modified" cannot tell the two apart.
- phone: on a 390 x 844 phone screen every control of the four pages can
  be scrolled to and is there to touch (nothing covers or clips it), and
  its text is no smaller than the desktop's.
- remembered: what Generate wrote into /in-browser is there after a reload:
  the camera page's first opening reads it; in Chromium also after the
  whole browser was closed and started again on the same profile.

e2e_app.py SITE_DIR STEP [chromium|firefox|webkit]"""
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

from e2e_files import to_send_page_with_mms
from e2e_session import MESSAGE, SETTLED, page_shown, run
from browser import Site  # noqa: E402 (the harness's folder is on the path once e2e_session is in)
from cdp import Chromium  # noqa: E402

# The roles of the controls a person fills in.
FORM_ROLES = {"combobox", "textbox", "checkbox", "ComboBoxSelect", "ComboBoxMenuButton", "TextField", "CheckBox"}


def form_controls(browser):
    """(role, name) of each form control the accessibility tree shows."""
    nodes = browser.call("Accessibility.getFullAXTree")["nodes"]
    found = []
    for node in nodes:
        role = node.get("role", {}).get("value")
        if node.get("ignored") or role not in FORM_ROLES:
            continue
        found.append((role, node.get("name", {}).get("value", "")))
    return found


def check_named(browser, check, page):
    controls = form_controls(browser)
    unnamed = [role for role, name in controls if not name.strip()]
    check("%s: %d of %d form controls unnamed" % (page, len(unnamed), len(controls)),
          controls and not unnamed)
    return [name for _, name in controls]


def named(site, browser, check):
    browser.call("Accessibility.enable")
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    check_named(browser, check, "start page")
    browser.click("#c40000")  # Camera Setup
    page_shown(browser, 113)
    names = check_named(browser, check, "Camera Setup")
    check("a time list says its row, frame and column (Timer1 Start Hour)", "Timer1 Start Hour" in names)
    browser.click(".tc-close")
    page_shown(browser, 111)
    browser.click("#c40002")  # 3G Setup
    page_shown(browser, 107)
    check_named(browser, check, "3G Parameter Settings")
    browser.click("#c40082")  # Next
    page_shown(browser, 106)
    check_named(browser, check, "3G Send Settings")
    browser.click(".tc-close")
    page_shown(browser, 111)

    browser.choose("#c40004", "中文")
    names = check_named(browser, check, "start page, Chinese")
    check("the names follow the page into Chinese (%s)" % names, all(any(ord(c) > 0x2E80 for c in n) for n in names))
    browser.click("#c40000")
    page_shown(browser, 113)
    names = check_named(browser, check, "Camera Setup, Chinese")
    check("and Camera Setup's (定时设置1 开始 小时)", "定时设置1 开始 小时" in names)


def offline(site, browser, check):
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    state = browser.wait_for("navigator.serviceWorker.ready.then(r => r.active && r.active.state === 'activated')")
    check("the site's service worker runs after one visit", state)
    site.server.shutdown()
    site.server.server_close()
    browser.call("Network.clearBrowserCache")
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    to_send_page_with_mms(browser)
    browser.click("#c40013")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate succeeds with no server (%r)" % message, "Generate Success!" in message)


def installable(site, browser, check):
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.wait_for("navigator.serviceWorker.ready.then(r => !!r.active)")
    errors = browser.call("Page.getInstallabilityErrors")["installabilityErrors"]
    check("Chromium reports no installability errors (%s)" % errors, errors == [])
    manifest = browser.call("Page.getAppManifest")
    check("the manifest reads without errors (%s)" % manifest.get("errors"), not manifest.get("errors"))


SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web")
# The one modification time of every file of both builds (SOURCE_DATE_EPOCH).
BUILD_TIME = 1700000000


def wasm_with_mark(data, mark):
    """The module with a custom section "trailcfg-build" holding `mark`."""
    name = b"trailcfg-build"
    body = bytes([len(name)]) + name + mark.encode()
    return data + b"\x00" + bytes([len(body)]) + body


def banner_with_mark(data, mark):
    """The banner with its bottom left pixel's green of `mark`: 100 for A,
    200 for B."""
    data = bytearray(data)
    pixels = struct.unpack("<I", data[10:14])[0]  # rows bottom up, each pixel B, G, R
    data[pixels:pixels + 3] = bytes([0, (ord(mark) - 64) * 100, 0])
    return bytes(data)


def marked_build(site_dir, mark):
    """A copy of the site as another build would be: its page, its code, its
    program, its style and its banner marked, its pages naming them and its
    own service worker made as the build makes them, every file of it of the
    one time. Its page records which build each start's parts came from."""
    folder = tempfile.mkdtemp(prefix="trailcfg-build-%s-" % mark)
    shutil.copytree(site_dir, folder, dirs_exist_ok=True)

    def edit(name, change):
        path = os.path.join(folder, name)
        with open(path, "rb") as f:
            data = change(f.read())
        with open(path, "wb") as f:
            f.write(data)

    edit("index.html", lambda d: d.replace(b"<title>", b'<meta name="trailcfg-build" content="%s"><script>%s</script><title>'
                                         % (mark.encode(), RECORD_STARTS.encode())))
    code = b'<script data-from="trailcfg.js">'  # the program's script, in the page
    edit("index.html", lambda d: d.replace(code, code + b"self.trailcfgBuild = '%s';\n" % mark.encode()))
    edit("trailcfg.css", lambda d: d + b':root { --trailcfg-build: "%s"; }\n' % mark.encode())
    edit("trailcfg.wasm", lambda d: wasm_with_mark(d, mark))
    edit("banner.bmp", lambda d: banner_with_mark(d, mark))
    for page in ("trailcfg.css", "index.html", "about.html"):  # each after what it names
        subprocess.run(["cmake", "-DSITE=" + folder, "-DPAGE=" + page, "-P", os.path.join(SOURCE, "site_page.cmake")],
                       check=True)
    subprocess.run(["cmake", "-DSITE=" + folder, "-DTEMPLATE=" + os.path.join(SOURCE, "site", "sw.js.in"),
                    "-DFILES=" + ",".join(build_files(site_dir)[1]), "-P", os.path.join(SOURCE, "site_worker.cmake")],
                   check=True)
    for name in os.listdir(folder):
        os.utime(os.path.join(folder, name), (BUILD_TIME, BUILD_TIME))
    return folder


def build_files(folder):
    """sw.js's build name and each kept file's SHA-256."""
    with open(os.path.join(folder, "sw.js")) as f:
        text = f.read()
    return re.search(r"const BUILD = '([^']+)'", text).group(1), dict(re.findall(r"^  '([^']+)': '([0-9a-f]+)'", text, re.M))


# Which build each part of the page came from, as each document that
# started the program recorded it (in order).
RECORD_STARTS = """
(() => {
  const record = (module) => {
    const section = WebAssembly.Module.customSections(module, 'trailcfg-build')[0];
    const meta = document.querySelector('meta[name=trailcfg-build]');
    const starts = JSON.parse(localStorage.getItem('starts') || '[]');
    starts.push({page: meta && meta.content, code: self.trailcfgBuild,
                 program: section && new TextDecoder().decode(section)});
    localStorage.setItem('starts', JSON.stringify(starts));
  };
  for (const name of ['instantiate', 'instantiateStreaming']) {
    const original = WebAssembly[name];
    WebAssembly[name] = (...args) => original.apply(WebAssembly, args).then((result) => {
      record(result.module || args[0]);
      return result;
    });
  }
  WebAssembly.Instance = new Proxy(WebAssembly.Instance, {
    construct: (made, args) => {
      const instance = Reflect.construct(made, args);
      record(args[0]);
      return instance;
    },
  });
})();
"""
# The banner as the page draws it: its picture taken by the address the
# style gives, as the browser has it (from its memory too).
SHOWN = """(async () => ({page: document.querySelector('meta[name=trailcfg-build]').content,
  style: getComputedStyle(document.documentElement).getPropertyValue('--trailcfg-build').trim().replace(/"/g, ''),
  banner: await new Promise((found) => {
    const picture = new Image();
    picture.onload = () => {
      const canvas = document.createElement('canvas');
      canvas.width = picture.width;
      canvas.height = picture.height;
      const drawn = canvas.getContext('2d');
      drawn.drawImage(picture, 0, 0);
      found(String.fromCharCode(64 + Math.round(drawn.getImageData(0, picture.height - 1, 1, 1).data[1] / 100)));
    };
    picture.onerror = () => found(null);
    picture.src = getComputedStyle(document.querySelector('.tc-bitmap[data-bitmap="114"]'))
      .backgroundImage.replace(/^url\\("?|"?\\)$/g, '');
  }),
  starts: JSON.parse(localStorage.getItem('starts') || '[]')}))()"""
# The SHA-256 of each of `names` as the page gets it now, and the caches kept.
SERVED = """(async (names) => {
  const served = {};
  for (const name of names) {
    const digest = await crypto.subtle.digest('SHA-256', await (await fetch(name)).arrayBuffer());
    served[name] = [...new Uint8Array(digest)].map((b) => b.toString(16).padStart(2, '0')).join('');
  }
  return {served, caches: await caches.keys()};
})(%s)"""


def start(browser, url, mark):
    """Starts the page until it shows build `mark`; what it shows then."""
    browser.evaluate("(() => { try { localStorage.removeItem('starts'); } catch (e) {} })()")  # none on about:blank
    browser.navigate(url)
    browser.wait_for("!!document.querySelector('meta[name=trailcfg-build][content=%s]')"
                     " && !!document.querySelector('.tc-window[data-template=\"111\"]')" % mark)
    return browser.evaluate(SHOWN)


def wholly(shown, mark):
    return shown["style"] == shown["banner"] == mark and shown["starts"] and all(s == dict.fromkeys(s, mark) for s in shown["starts"])


def new_build(site, browser, check):
    a, b = marked_build(sys.argv[1], "A"), marked_build(sys.argv[1], "B")
    live = tempfile.mkdtemp(prefix="trailcfg-live-")
    server = Site(live)
    try:
        shutil.copytree(a, live, dirs_exist_ok=True)
        url = server.url + "index.html"
        start(browser, url, "A")
        browser.wait_for("navigator.serviceWorker.ready.then(r => r.active && r.active.state === 'activated')")
        browser.wait_for("!!navigator.serviceWorker.controller")

        # B's worker and page, A's program still: B's worker asks for the
        # program, finds it A's and keeps nothing.
        shutil.copytree(b, live, dirs_exist_ok=True)
        shutil.copy2(os.path.join(a, "trailcfg.wasm"), live)
        del server.requests[:]
        start(browser, url, "A")
        deadline = time.time() + 60
        while "/trailcfg.wasm" not in server.requests and time.time() < deadline:
            time.sleep(0.05)
        check("a start finds B's worker on the server, which asks for the program (%s)" % server.requests,
              "/trailcfg.wasm" in server.requests)
        browser.wait_for("navigator.serviceWorker.getRegistration().then(r => !r.installing)")
        shown = browser.evaluate(SHOWN)
        check("a server halfway to B: the page stays wholly A (%s)" % shown, wholly(shown, "A"))
        build_a, files_a = build_files(a)
        now = browser.evaluate(SERVED % json.dumps(list(files_a)))
        check("and every file it gets is A's, B's worker not installed (%s)" % now["caches"],
              now == {"served": files_a, "caches": [build_a]}
              and not browser.evaluate("navigator.serviceWorker.getRegistration().then(r => !!r.waiting)"))

        shutil.copytree(b, live, dirs_exist_ok=True)
        shown = start(browser, url, "B")
        check("the next start ends wholly B (%s)" % shown, shown["style"] == shown["banner"] == "B" and shown["starts"]
              and shown["starts"][-1] == {"page": "B", "code": "B", "program": "B"})
        check("and no start met two builds (%s)" % shown["starts"],
              all(len(set(s.values())) == 1 for s in shown["starts"]))
        build_b, files_b = build_files(b)
        browser.wait_for("caches.keys().then(k => k.length === 1)", timeout=10)
        now = browser.evaluate(SERVED % json.dumps(list(files_b)))
        check("every file the page gets is B's, and only B's are kept (%s)" % now["caches"],
              now == {"served": files_b, "caches": [build_b]})
    finally:
        server.close()
        for folder in (a, b, live):
            shutil.rmtree(folder, ignore_errors=True)


def camera_mode(browser):
    return browser.evaluate("(() => { const l = document.querySelector('#c40006');"
                            " return l.selectedIndex >= 0 ? l.options[l.selectedIndex].text : ''; })()")


def remembered(site, browser, check):
    if browser.engine == "chromium":
        browser.call("Browser.setDownloadBehavior", behavior="deny")
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.click("#c40000")  # Camera Setup
    page_shown(browser, 113)
    default = camera_mode(browser)
    mode = browser.evaluate("document.querySelector('#c40006').options[2].text")
    browser.choose("#c40006", mode)
    browser.click("#c40096")  # Generate
    message = browser.wait_for(MESSAGE)
    check("Generate into /in-browser succeeds (%r)" % message, "Generate Success!" in message)
    browser.click(".tc-ok")

    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    browser.click("#c40000")
    page_shown(browser, 113)
    shown = camera_mode(browser)
    check("after a reload the page opens with the mode Generate wrote (%r, not %r)" % (shown, default),
          shown == mode and mode != default)
    if browser.engine != "chromium":
        return
    again = restarted(browser)
    try:
        again.navigate(site.url + "index.html")
        page_shown(again, 111)
        again.click("#c40000")
        page_shown(again, 113)
        shown = camera_mode(again)
        check("after the browser was closed and started again, still that mode (%r)" % shown, shown == mode)
    finally:
        again.close()


def restarted(browser):
    """Closes Chromium the way a person quits it and starts it again on the
    same profile, which the new one removes when it is closed."""
    profile = browser.profile
    try:
        browser.call("Browser.close")
    except Exception:
        pass  # the connection may go before the answer comes
    browser.processes[0].wait(timeout=60)
    os.remove(os.path.join(profile, "DevToolsActivePort"))

    class SameProfile(Chromium):
        @property
        def profile(self):
            return profile

        @profile.setter
        def profile(self, fresh):
            os.rmdir(fresh)

    again = SameProfile(900, 700)
    again.settled = SETTLED
    return again


# The page's controls that cannot be scrolled to, or that show no part of
# themselves where a finger would touch them.
OUT_OF_REACH = """(() => [...document.querySelectorAll('.tc-window:not([style*="display: none"]) .tc-client > *')]
  .filter(e => e.matches('input, select, button, label') && e.offsetParent !== null)
  .filter(e => { e.scrollIntoView({block: 'center', inline: 'center'});
                 const r = e.getBoundingClientRect();
                 const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
                 return !(hit && (e === hit || e.contains(hit)))
                        || parseFloat(getComputedStyle(e).fontSize) < 11; })
  .map(e => e.id))()"""


def phone(site, browser, check):
    browser.call("Emulation.setDeviceMetricsOverride", width=390, height=844, deviceScaleFactor=3, mobile=True)
    browser.navigate(site.url + "index.html")
    for template, clicks in ((111, []), (113, ["#c40000"]), (107, [".tc-close", "#c40002"]), (106, ["#c40082"])):
        for selector in clicks:
            browser.click(selector)
        page_shown(browser, template)
        missed = browser.evaluate(OUT_OF_REACH)
        check("page %d on a phone: every control within reach (%s)" % (template, missed), missed == [])
    width = browser.evaluate("document.documentElement.scrollWidth")
    browser.navigate(site.url + "index.html")
    page_shown(browser, 111)
    width = browser.evaluate("document.documentElement.scrollWidth")
    check("the start page fits the phone's width (%d px)" % width, width <= 390)


STEPS = {"phone": phone, "remembered": remembered, "named": named, "offline": offline, "installable": installable,
         "new_build": new_build}

if __name__ == "__main__":
    name = sys.argv.pop(2)  # what follows is the engine, as run() reads it
    sys.exit(run("e2e-app-" + name, STEPS[name]))
