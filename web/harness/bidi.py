"""Firefox behind browser.Session: Debian's Firefox ESR, headless on a fresh
profile, driven over WebDriver BiDi with Python's websocket client. Firefox
refuses a BiDi handshake that carries an Origin header, so none is sent."""
import base64
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

import websocket

from browser import Session
from webdriver import KEYS

# Downloads go straight into the session's folder, never to a dialog.
PREFS = {
    "browser.download.folderList": 2,
    "browser.download.useDownloadDir": True,
    "browser.download.always_ask_before_handling_new_types": False,
    "browser.download.start_downloads_in_tmp_dir": False,
    "browser.download.alwaysOpenPanel": False,
    "browser.download.manager.addToRecentDocs": False,
    "browser.shell.checkDefaultBrowser": False,
}


def executable():
    for name in ("firefox-esr", "firefox"):
        path = shutil.which(name)
        if path:
            return path
    raise RuntimeError("no firefox found (./tools/install-web-deps.sh)")


class Firefox(Session):
    engine = "firefox"

    def __init__(self, width=800, height=600, lang=None):
        super().__init__()
        self.profile = tempfile.mkdtemp(prefix="trailcfg-firefox-")
        prefs = dict(PREFS, **{"browser.download.dir": self.downloads})
        if lang:
            prefs.update({"intl.accept_languages": lang, "intl.locale.requested": lang})
        with open(os.path.join(self.profile, "user.js"), "w") as f:
            for name, value in prefs.items():
                f.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.process = subprocess.Popen(
            [executable(), "--headless", "--no-remote", "--remote-debugging-port=0", "--profile", self.profile,
             "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        port_file = os.path.join(self.profile, "WebDriverBiDiServer.json")
        deadline = time.time() + 60
        port = None
        while port is None:
            try:
                port = json.load(open(port_file))["ws_port"]
            except (OSError, ValueError, KeyError):
                if time.time() > deadline or self.process.poll() is not None:
                    self.close()
                    raise RuntimeError("firefox did not start")
                time.sleep(0.1)
        self.ws = websocket.create_connection("ws://127.0.0.1:%d/session" % port, timeout=120,
                                              suppress_origin=True)
        self.next_id = 0
        self.console = []
        self.call("session.new", capabilities={"alwaysMatch": {"unhandledPromptBehavior": "ignore"}})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.call("browsingContext.setViewport", context=self.context, viewport={"width": width, "height": height})
        self.call("session.subscribe", events=["log.entryAdded"])

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise RuntimeError("%s: %s: %s" % (method, message.get("error"), message.get("message")))
                return message.get("result", {})
            if message.get("method") == "log.entryAdded":
                self.console.append(message["params"].get("text") or "")

    def evaluate(self, expression):
        # JSON carries the value across, as returnByValue does in Chromium.
        result = self.call("script.evaluate", target={"context": self.context}, awaitPromise=True,
                           expression="(async () => JSON.stringify(await (%s)))()" % expression)
        if result.get("type") == "exception":
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"].get("text")))
        value = result["result"]
        return json.loads(value["value"]) if value.get("type") == "string" else None

    def navigate(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="interactive")

    def add_init_script(self, source):
        self.call("script.addPreloadScript", functionDeclaration="() => {\n%s\n}" % source)

    def console_lines(self):
        self.evaluate("1")  # collects the events sent meanwhile
        return list(self.console)

    def clear_console(self):
        del self.console[:]

    def _actions(self, *sources):
        self.call("input.performActions", context=self.context, actions=list(sources))

    def mouse_click(self, x, y):
        self._actions({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": [{"type": "pointerMove", "x": int(x), "y": int(y)},
                                   {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]})

    def _keys(self, values):
        actions = []
        for down in values:
            actions.append({"type": "keyDown", "value": down})
        for up in reversed(values):
            actions.append({"type": "keyUp", "value": up})
        self._actions({"type": "key", "id": "keyboard", "actions": actions})

    def press(self, key):
        self._keys([KEYS[key]])

    def select_all(self):
        self._keys([KEYS["Control"], "a"])

    def insert_text(self, text):
        self._actions({"type": "key", "id": "keyboard", "actions": [
            {"type": kind, "value": c} for c in text for kind in ("keyDown", "keyUp")]})

    def screenshot(self, path, selector=None):
        params = {"context": self.context}
        if selector:
            box = self.evaluate("(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                                " return [r.left, r.top, r.width, r.height]; })()" % json.dumps(selector))
            params["clip"] = {"type": "box", "x": box[0], "y": box[1], "width": box[2], "height": box[3]}
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.call("browsingContext.captureScreenshot", **params)["data"]))

    def close(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
        self.remove_profile()
