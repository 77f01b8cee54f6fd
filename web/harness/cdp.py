"""Chromium behind browser.Session: Debian's headless Chromium on its own
empty profile, driven through the DevTools protocol (Python's websocket
client, Debian's python3-websocket) on its one page, by real mouse and
keyboard input. call() reaches the protocol itself, for what only Chromium
has (its accessibility tree, locale and network emulation)."""
import base64
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time
import urllib.request

import websocket

from browser import Session

FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--disable-default-apps", "--mute-audio",
]

# Windows virtual-key codes of the keys press() knows.
KEYS = {"ArrowDown": 40, "ArrowUp": 38, "Enter": 13, "Escape": 27, "Tab": 9, "Backspace": 8, "Space": 32}


def executable():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    raise RuntimeError("no chromium found (./tools/install-web-deps.sh)")


class Chromium(Session):
    engine = "chromium"

    def __init__(self, width=800, height=600, lang=None):
        super().__init__()
        self.profile = tempfile.mkdtemp(prefix="trailcfg-cdp-")
        args = [executable()] + FLAGS + [
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
        self.call("Page.enable")
        self.call("Runtime.enable")
        self.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=self.downloads)
        # A page opened through the protocol has no focus of its own, and an
        # edit that cannot take focus never loses it either.
        self.call("Emulation.setFocusEmulationEnabled", enabled=True)
        if lang:
            # navigator.language is what the program asks for its language.
            self.call("Emulation.setLocaleOverride", locale=lang)
            self.call("Network.setUserAgentOverride", userAgent=self.evaluate("navigator.userAgent"),
                      acceptLanguage=lang)

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

    def navigate(self, url):
        self.call("Page.navigate", url=url)

    def add_init_script(self, source):
        self.call("Page.addScriptToEvaluateOnNewDocument", source=source)

    def console_lines(self):
        self.evaluate("1")  # collects the events sent meanwhile
        lines = []
        for event in self.events:
            if event.get("method") == "Runtime.consoleAPICalled":
                lines += [str(a.get("value", "")) for a in event["params"]["args"]]
        return lines

    def clear_console(self):
        del self.events[:]

    def mouse_click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def _key(self, key, code, keycode, modifiers=0):
        for kind in ("rawKeyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, key=key, code=code, windowsVirtualKeyCode=keycode,
                      modifiers=modifiers)

    def press(self, key):
        self._key(key, key, KEYS[key])

    def select_all(self):
        self._key("a", "KeyA", 65, modifiers=2)  # Ctrl+A

    def insert_text(self, text):
        self.call("Input.insertText", text=text)

    def screenshot(self, path, selector=None):
        params = {"format": "png"}
        if selector:
            params["clip"] = self.evaluate(
                "(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                " return {x: r.left, y: r.top, width: r.width, height: r.height, scale: 1}; })()"
                % json.dumps(selector))
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.call("Page.captureScreenshot", **params)["data"]))

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
        self.remove_profile()
