"""A small DevTools-protocol client for Debian's headless Chromium (Python's
websocket client, Debian's python3-websocket): starts the browser on its
own empty profile, talks to its one page, and acts on it by real mouse and
keyboard input."""
import http.server
import json
import os
import shutil
import signal
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

from run_in_browser import CHROMIUM_FLAGS, chromium


class Site:
    """A static file server on 127.0.0.1 for a folder, as any static host."""

    def __init__(self, folder):
        folder = os.path.abspath(folder)

        class Handler(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *a, **kw):
                super().__init__(*a, directory=folder, **kw)

            def log_message(self, *a):
                pass

        Handler.extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map)
        Handler.extensions_map[".wasm"] = "application/wasm"
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()


class Browser:
    def __init__(self, width=800, height=600, lang=None):
        self.profile = tempfile.mkdtemp(prefix="trailcfg-cdp-")
        args = [chromium()] + CHROMIUM_FLAGS + [
            "--user-data-dir=" + self.profile, "--remote-debugging-port=0", "--remote-allow-origins=*",
            "--window-size=%d,%d" % (width, height), "--hide-scrollbars"]
        if lang:
            args.append("--lang=" + lang)
        self.process = subprocess.Popen(args + ["about:blank"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.time() + 60
        while not (os.path.exists(port_file) and open(port_file).read().count("\n") >= 1):
            if time.time() > deadline or self.process.poll() is not None:
                self.close()
                raise RuntimeError("chromium did not start")
            time.sleep(0.1)
        port = int(open(port_file).read().split("\n")[0])
        targets = json.load(urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port))
        page = next(t for t in targets if t["type"] == "page")
        self.ws = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=120, suppress_origin=True)
        self.next_id = 0
        self.events = []
        # True once the page has taken in the last input (set by the user
        # of this class); every action waits for it.
        self.settled = "true"
        self.call("Page.enable")
        self.call("Runtime.enable")

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})
            self.events.append(message)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def wait_for(self, expression, timeout=60):
        deadline = time.time() + timeout
        while time.time() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.05)
        raise TimeoutError(expression)

    def navigate(self, url):
        self.call("Page.navigate", url=url)

    def settle(self):
        self.wait_for(self.settled)

    def center_of(self, selector):
        box = self.evaluate("(() => { const e = document.querySelector(%s); e.scrollIntoView({block: 'nearest'});"
                            " const r = e.getBoundingClientRect();"
                            # On a phone the input lands in the visual viewport, which
                            # scrolls apart from the layout one.
                            " const v = window.visualViewport || {offsetLeft: 0, offsetTop: 0};"
                            " return [r.left + r.width / 2 - v.offsetLeft, r.top + r.height / 2 - v.offsetTop]; })()"
                            % json.dumps(selector))
        return box

    def click(self, selector):
        x, y = self.center_of(selector)
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)
        self.settle()

    def key(self, key, code=None, keycode=0, modifiers=0):
        for kind in ("rawKeyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code or key,
                      windowsVirtualKeyCode=keycode, modifiers=modifiers)

    def type_into(self, selector, text):
        """Clicks into the edit, selects what it holds and types over it."""
        self.click(selector)
        self.key("a", "KeyA", 65, modifiers=2)  # Ctrl+A
        self.call("Input.insertText", text=text)
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
            if index < target:
                self.key("ArrowDown", "ArrowDown", 40)
            else:
                self.key("ArrowUp", "ArrowUp", 38)
            self.settle()
        raise RuntimeError("could not choose %r in %s" % (text, selector))

    def screenshot(self, path):
        import base64
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
