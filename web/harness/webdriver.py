"""WebKitGTK behind browser.Session: Debian's WebKitWebDriver starting its
MiniBrowser on a private Xvfb screen, driven by WebDriver over HTTP. The
browser runs with a private HOME, whose user-dirs.dirs names the session's
downloads folder (WebKitGTK downloads into XDG_DOWNLOAD_DIR), and the system
locale of `lang` (WebKitGTK takes navigator.language from it)."""
import base64
import json
import os
import socket
import struct
import urllib.error
import urllib.request
import zlib

from browser import LaunchedSession

# WebDriver's code points for the keys press() knows (BiDi's too).
KEYS = {"ArrowDown": "\ue015", "ArrowUp": "\ue013", "Enter": "\ue007", "Escape": "\ue00c", "Tab": "\ue004",
        "Backspace": "\ue003", "Space": "\ue00d", "Control": "\ue009"}


def mini_browser():
    for folder in ("/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib", "/usr/libexec"):
        for api in ("webkit2gtk-4.1", "webkit2gtk-4.0", "webkitgtk-6.0"):
            path = os.path.join(folder, api, "MiniBrowser")
            if os.access(path, os.X_OK):
                return path
    raise RuntimeError("no MiniBrowser found (./tools/install-web-deps.sh)")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def locale_of(lang):
    """The system locale for a language tag: zh-CN is zh_CN.UTF-8, which
    install-web-deps.sh compiles; anything else is the C locale's English."""
    if not lang or lang.startswith("en"):
        return "C.UTF-8"
    return lang.replace("-", "_") + ".UTF-8"


def png_rows(data):
    """Width, height, bytes a pixel and the unfiltered rows of an 8-bit RGB
    or RGBA PNG without interlacing (what browsers' screenshots are)."""
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or color not in (2, 6) or interlace:
                raise ValueError("not an 8-bit RGB(A) PNG without interlacing")
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    pixel = 3 if color == 2 else 4
    raw, stride = zlib.decompress(idat), width * pixel
    rows, prior = [], bytearray(stride)
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - pixel] if i >= pixel else 0
            up, corner = prior[i], (prior[i - pixel] if i >= pixel else 0)
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(row)
        prior = row
    return width, height, pixel, rows


def png_crop(data, left, top, width, height):
    """The part of the PNG `data` (as png_rows reads) of width x height at
    left, top (clipped to the picture), as a PNG."""
    full_width, full_height, pixel, rows = png_rows(data)
    left, top = max(0, left), max(0, top)
    width, height = min(width, full_width - left), min(height, full_height - top)
    raw = b"".join(b"\0" + bytes(row[left * pixel:(left + width) * pixel]) for row in rows[top:top + height])

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2 if pixel == 3 else 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


class W3CInput:
    """A person's mouse and keyboard as WebDriver actions, which classic
    WebDriver and BiDi share; the session sends them with _actions()."""

    def mouse_click(self, x, y):
        self._actions({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": [{"type": "pointerMove", "x": int(x), "y": int(y), "origin": "viewport"},
                                   {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]})

    def _keys(self, values):
        actions = [{"type": "keyDown", "value": v} for v in values]
        actions += [{"type": "keyUp", "value": v} for v in reversed(values)]
        self._actions({"type": "key", "id": "keyboard", "actions": actions})

    def press(self, key):
        self._keys([KEYS[key]])

    def select_all(self):
        self._keys([KEYS["Control"], "a"])

    def insert_text(self, text):
        self._actions({"type": "key", "id": "keyboard", "actions": [
            {"type": kind, "value": c} for c in text for kind in ("keyDown", "keyUp")]})


class WebKit(W3CInput, LaunchedSession):
    engine = "webkit"

    def __init__(self, width=800, height=600, lang=None):
        super().__init__("trailcfg-webkit-")
        home = self.profile
        os.makedirs(os.path.join(home, ".config"))
        with open(os.path.join(home, ".config", "user-dirs.dirs"), "w") as f:
            f.write('XDG_DOWNLOAD_DIR="%s"\n' % self.downloads)
        env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "LC_", "GTK_", "DISPLAY"))}
        env.update(HOME=home, LANG=locale_of(lang), LANGUAGE="", XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_DATA_HOME=os.path.join(home, ".data"),
                   # The simple input method types what it is given in any
                   # locale ("@" stays "@" under zh_CN).
                   GTK_IM_MODULE="gtk-im-context-simple",
                   LIBGL_ALWAYS_SOFTWARE="1", NO_AT_BRIDGE="1")
        try:
            env["DISPLAY"] = self._start_xvfb(width, height)
            port = free_port()
            self.launch(["WebKitWebDriver", "--port=%d" % port], env=env)
            self.base = "http://127.0.0.1:%d" % port
            self.wait_started("WebKitWebDriver", self._status, 30)
            capabilities = {"browserName": "MiniBrowser", "pageLoadStrategy": "normal",
                            "webkitgtk:browserOptions": {"binary": mini_browser(), "args": ["--automation"]}}
            self.session = self._request("POST", "/session", {"capabilities": {"alwaysMatch": capabilities}})[
                "sessionId"]
            self.base += "/session/" + self.session
            self._request("POST", "/window/rect", {"width": width, "height": height})
        except Exception:
            self.close()
            raise

    def _start_xvfb(self, width, height):
        read, write = os.pipe()
        self.launch(["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % (width + 200, height + 200),
                     "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return ":" + number

    def _status(self):
        """The driver's status once it answers, else None."""
        try:
            return self._request("GET", "/status") or {}
        except OSError:
            return None

    def _request(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode("utf-8")
        request = urllib.request.Request(self.base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=300) as response:
                return json.load(response).get("value")
        except urllib.error.HTTPError as e:
            raise RuntimeError("%s %s: %s" % (method, path, e.read().decode("utf-8", "replace"))) from None

    def evaluate(self, expression):
        # JSON carries the value across; a rejection comes back as an error.
        answer = self._request("POST", "/execute/async", {"args": [], "script": (
            "const done = arguments[arguments.length - 1];"
            "(async () => JSON.stringify(await (%s)))().then(v => done({value: v}),"
            " e => done({error: String(e && e.stack || e)}));" % expression)})
        if "error" in answer:
            raise RuntimeError("%s: %s" % (expression, answer["error"]))
        return None if answer.get("value") is None else json.loads(answer["value"])

    def navigate(self, url):
        self._request("POST", "/url", {"url": url})

    def _actions(self, *sources):
        self._request("POST", "/actions", {"actions": list(sources)})
        self._request("DELETE", "/actions")

    def screenshot(self, path, selector=None):
        # The driver's element screenshot paints the page once more in the
        # page's process, which comes out black here: the element is cut
        # from the window's picture instead, taken once a frame has been
        # drawn (until then the window's picture is blank).
        box = None
        if selector:
            box = self.evaluate("(() => { const e = document.querySelector(%s); e.scrollIntoView({block: 'nearest'});"
                                " const r = e.getBoundingClientRect(), s = devicePixelRatio;"
                                " return [r.left, r.top, r.width, r.height].map(v => Math.round(v * s)); })()"
                                % json.dumps(selector))
        self.evaluate("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => r(true))))")
        data = base64.b64decode(self._request("GET", "/screenshot"))
        with open(path, "wb") as f:
            f.write(png_crop(data, *box) if box else data)

    def close(self):
        if getattr(self, "session", None):
            try:
                self._request("DELETE", "")
            except (OSError, RuntimeError):
                pass
        super().close()
