"""One browser session whatever the engine: the harness, the end-to-end tests
and the screenshots open a page, click, type, evaluate JavaScript, read
downloads and take screenshots through this, and the engine behind it is
Chromium (DevTools protocol, cdp.py), Firefox (WebDriver BiDi, bidi.py) or
WebKitGTK (WebDriver, webdriver.py).

open_browser(engine, width=, height=, lang=) gives a Session; Site serves a
folder to it."""
import http.server
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

ENGINES = ("chromium", "firefox", "webkit")

# Before a click: the page's size now, and whether a click reaches the element
# `selector` (a label's own click on its input too; a page that goes away
# with the click takes this along).
AIM = """(() => {
  if (window.__aim) removeEventListener('click', window.__aim.listen, true);
  const aim = window.__aim = { size: innerWidth + 'x' + innerHeight, hit: false };
  aim.listen = e => { aim.hit ||= e.target instanceof Element && !!e.target.closest(%s); };
  addEventListener('click', aim.listen, true);
  return true;
})()"""
# After it: true when it did not reach the element and the page is no longer
# the size it was aimed at.
MISSED_WHILE_RESIZED = """(() => {
  const aim = window.__aim;
  if (!aim) return false;
  removeEventListener('click', aim.listen, true);
  window.__aim = null;
  return !aim.hit && aim.size !== innerWidth + 'x' + innerHeight;
})()"""


class Site:
    """A static file server on 127.0.0.1 (or another loopback address, which
    a browser takes for another site) for a folder, as any static host. It
    keeps the path of every request, so a test can count fetches."""

    def __init__(self, folder, extra=None, host="127.0.0.1"):
        folder = os.path.abspath(folder)
        requests = self.requests = []

        class Handler(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *a, **kw):
                super().__init__(*a, directory=folder, **kw)

            def log_message(self, *a):
                pass

            def do_GET(self):
                requests.append(self.path)
                if not (extra and extra(self)):
                    super().do_GET()

            def do_POST(self):
                requests.append(self.path)
                if not (extra and extra(self)):
                    self.send_response(404)
                    self.end_headers()

        Handler.extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map)
        Handler.extensions_map[".wasm"] = "application/wasm"
        Handler.extensions_map[".js"] = "text/javascript"
        class Server(http.server.ThreadingHTTPServer):
            def handle_error(self, request, client_address):
                # A browser that gives up on a download (a service worker
                # whose install failed) closes the connection: not an error.
                if not isinstance(sys.exc_info()[1], ConnectionError):
                    super().handle_error(request, client_address)

        self.server = Server((host, 0), Handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = "http://%s:%d/" % (host, self.server.server_address[1])

    def close(self):
        self.server.shutdown()


class Session:
    """What every engine's session does the same way. An engine gives
    evaluate, navigate, mouse_click, press, select_all, insert_text,
    screenshot and close; what it cannot do raises NotImplementedError."""

    engine = None

    def __init__(self):
        # Generate's downloads land here, and nowhere else.
        self.downloads = tempfile.mkdtemp(prefix="trailcfg-downloads-")
        # True once the page has taken in the last input (set by the user
        # of this class); every action waits for it.
        self.settled = "true"

    def add_init_script(self, source):
        """Runs `source` in every new document before the page's scripts."""
        raise NotImplementedError("%s: scripts before the page's" % self.engine)

    def console_lines(self):
        """What the page has written to the console since the last clear."""
        raise NotImplementedError("%s: the console" % self.engine)

    def clear_console(self):
        pass

    def wait_for(self, expression, timeout=60):
        deadline = time.time() + timeout
        while time.time() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.05)
        raise TimeoutError(expression)

    def settle(self):
        self.wait_for(self.settled)

    def center_of(self, selector):
        return self.evaluate("(() => { const e = document.querySelector(%s); e.scrollIntoView({block: 'nearest'});"
                             " const r = e.getBoundingClientRect();"
                             # On a phone the input lands in the visual viewport, which
                             # scrolls apart from the layout one.
                             " const v = window.visualViewport || {offsetLeft: 0, offsetTop: 0};"
                             " return [r.left + r.width / 2 - v.offsetLeft, r.top + r.height / 2 - v.offsetTop]; })()"
                             % json.dumps(selector))

    def click(self, selector):
        """Clicks the middle of the element. A page can change size between
        the aim and the click: WebKit's browser window grows its downloads
        bar by a row a moment after each download starts, and what is
        centred in the page (the message box) moves. A click that missed its
        element while the page changed size is aimed again."""
        for _ in range(3):
            self.evaluate(AIM % json.dumps(selector))
            x, y = self.center_of(selector)
            self.mouse_click(x, y)
            if not self.evaluate(MISSED_WHILE_RESIZED):
                break
        self.settle()

    def type_into(self, selector, text):
        """Clicks into the edit, selects what it holds and types over it."""
        self.click(selector)
        self.select_all()
        self.insert_text(text)
        self.settle()

    def choose(self, selector, text):
        """Moves a closed list to the entry `text` with the arrow keys."""
        self.evaluate("document.querySelector(%s).focus()" % json.dumps(selector))
        options = self.evaluate("[...document.querySelector(%s).options].map(o => o.text)" % json.dumps(selector))
        target = options.index(text)
        for _ in range(len(options) + 1):
            index = self.evaluate("document.querySelector(%s).selectedIndex" % json.dumps(selector))
            if index == target:
                self.settle()
                return
            self.press("ArrowDown" if index < target else "ArrowUp")
            self.settle()
        raise RuntimeError("could not choose %r in %s" % (text, selector))

    def downloaded(self, name, timeout=30):
        """The bytes of the download `name` once the browser has finished it,
        or None when it never came."""
        path = os.path.join(self.downloads, name)
        deadline = time.time() + timeout
        while time.time() < deadline:
            busy = [n for n in os.listdir(self.downloads) if n.endswith((".part", ".crdownload", ".download"))]
            if os.path.isfile(path) and not busy:
                size = os.path.getsize(path)
                time.sleep(0.2)
                if os.path.getsize(path) == size:
                    with open(path, "rb") as f:
                        return f.read()
            time.sleep(0.1)
        return None

    def clear_downloads(self):
        for name in os.listdir(self.downloads):
            os.remove(os.path.join(self.downloads, name))

    def remove_profile(self):
        shutil.rmtree(self.downloads, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def find_program(names, what):
    """The first of `names` on the PATH."""
    for name in names:
        path = shutil.which(name)
        if path:
            return path
    raise RuntimeError("no %s found (./tools/install-web-deps.sh)" % what)


class LaunchedSession(Session):
    """A Session whose browser runs as processes of its own on a private
    folder (its profile, or its HOME), all of them killed and the folder
    removed on close."""

    def __init__(self, prefix):
        super().__init__()
        self.profile = tempfile.mkdtemp(prefix=prefix)
        self.processes = []

    def launch(self, args, env=None, **options):
        process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True, **options)
        self.processes.append(process)
        return process

    def wait_started(self, what, ready, timeout):
        """What ready() gives once it gives anything but None; it fails when a
        process of the browser has exited or `timeout` seconds have passed."""
        deadline = time.time() + timeout
        while True:
            value = ready()
            if value is not None:
                return value
            if time.time() > deadline or any(p.poll() is not None for p in self.processes):
                raise RuntimeError("%s did not start" % what)
            time.sleep(0.1)

    def close(self):
        for process in reversed(self.processes):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
        self.remove_profile()


class SocketSession(LaunchedSession):
    """A launched browser driven by JSON messages over one websocket (the
    DevTools protocol, WebDriver BiDi): each call waits for its answer, and
    what comes meanwhile goes to heard()."""

    def connect(self, url):
        import websocket
        self.ws = websocket.create_connection(url, timeout=120, suppress_origin=True)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                error = self.error_of(message)
                if error is not None:
                    raise RuntimeError("%s: %s" % (method, error))
                return message.get("result", {})
            self.heard(message)

    def error_of(self, answer):
        """What went wrong in an answer, or None."""
        raise NotImplementedError

    def heard(self, message):
        pass


def open_browser(engine="chromium", width=800, height=600, lang=None):
    """A new browser of `engine` on a fresh profile, showing about:blank in a
    viewport of about width x height; `lang` (e.g. "zh-CN") is the page's
    navigator.language."""
    if engine == "chromium":
        from cdp import Chromium
        return Chromium(width, height, lang)
    if engine == "firefox":
        from bidi import Firefox
        return Firefox(width, height, lang)
    if engine == "webkit":
        from webdriver import WebKit
        return WebKit(width, height, lang)
    raise ValueError("no such browser engine: %s (%s)" % (engine, ", ".join(ENGINES)))
