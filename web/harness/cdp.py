"""Chromium behind browser.Session: Debian's headless Chromium on its own
empty profile, driven through the DevTools protocol (Python's websocket
client, Debian's python3-websocket) on its one page, by real mouse and
keyboard input. call() reaches the protocol itself, for what only Chromium
has (its accessibility tree, locale and network emulation)."""
import base64
import json
import os
import urllib.request

from browser import SocketSession, find_program

FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--disable-default-apps", "--mute-audio",
]

# Windows virtual-key codes of the keys press() knows.
KEYS = {"ArrowDown": 40, "ArrowUp": 38, "Enter": 13, "Escape": 27, "Tab": 9, "Backspace": 8, "Space": 32}


def port_of(port_file):
    """The DevTools port once Chromium has written its first line, else None."""
    if not os.path.exists(port_file):
        return None
    with open(port_file) as f:
        text = f.read()
    return int(text.split("\n")[0]) if text.count("\n") >= 1 else None


class Chromium(SocketSession):
    engine = "chromium"

    def __init__(self, width=800, height=600, lang=None):
        super().__init__("trailcfg-cdp-")
        self.events = []
        args = [find_program(("chromium", "chromium-browser", "google-chrome"), "chromium")] + FLAGS + [
            "--user-data-dir=" + self.profile, "--remote-debugging-port=0", "--remote-allow-origins=*",
            "--window-size=%d,%d" % (width, height), "--hide-scrollbars"]
        if lang:
            args.append("--lang=" + lang)
        try:
            self.launch(args + ["about:blank"])
            port_file = os.path.join(self.profile, "DevToolsActivePort")
            port = self.wait_started("chromium", lambda: port_of(port_file), 60)
            targets = json.load(urllib.request.urlopen("http://127.0.0.1:%d/json/list" % port))
            page = next(t for t in targets if t["type"] == "page")
            self.connect(page["webSocketDebuggerUrl"])
        except Exception:
            self.close()
            raise
        self.call("Page.enable")
        self.call("Runtime.enable")
        self.call("Browser.setDownloadBehavior", behavior="allow", downloadPath=self.downloads)
        # A page opened through the protocol has no focus of its own, and an
        # edit that cannot take focus never loses it either.
        self.call("Emulation.setFocusEmulationEnabled", enabled=True)
        if lang:
            self.set_language(lang)

    def set_language(self, lang):
        """Pages loaded from now on have the language `lang` (e.g. "zh-CN"):
        navigator.language is what the program asks for its language."""
        self.call("Emulation.setLocaleOverride", locale=lang)
        self.call("Network.setUserAgentOverride", userAgent=self.evaluate("navigator.userAgent"),
                  acceptLanguage=lang)

    def error_of(self, answer):
        return answer.get("error")

    def heard(self, message):
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
