"""Firefox behind browser.Session: Debian's Firefox ESR, headless on a fresh
profile, driven over WebDriver BiDi with Python's websocket client. Firefox
refuses a BiDi handshake that carries an Origin header, so none is sent."""
import base64
import json
import os

from browser import SocketSession, find_program
from webdriver import W3CInput

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


def port_of(port_file):
    """The BiDi port once Firefox has written its file whole, else None."""
    try:
        with open(port_file) as f:
            return json.load(f)["ws_port"]
    except (OSError, ValueError, KeyError):
        return None


class Firefox(W3CInput, SocketSession):
    engine = "firefox"

    def __init__(self, width=800, height=600, lang=None):
        super().__init__("trailcfg-firefox-")
        self.console = []
        prefs = dict(PREFS, **{"browser.download.dir": self.downloads})
        if lang:
            prefs.update({"intl.accept_languages": lang, "intl.locale.requested": lang})
        with open(os.path.join(self.profile, "user.js"), "w") as f:
            for name, value in prefs.items():
                f.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        try:
            self.launch([find_program(("firefox-esr", "firefox"), "firefox"), "--headless", "--no-remote",
                         "--remote-debugging-port=0", "--profile", self.profile, "about:blank"])
            port_file = os.path.join(self.profile, "WebDriverBiDiServer.json")
            port = self.wait_started("firefox", lambda: port_of(port_file), 60)
            self.connect("ws://127.0.0.1:%d/session" % port)
        except Exception:
            self.close()
            raise
        self.call("session.new", capabilities={"alwaysMatch": {"unhandledPromptBehavior": "ignore"}})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.call("browsingContext.setViewport", context=self.context, viewport={"width": width, "height": height})
        self.call("session.subscribe", events=["log.entryAdded"])

    def error_of(self, answer):
        if answer.get("type") != "error":
            return None
        return "%s: %s" % (answer.get("error"), answer.get("message"))

    def heard(self, message):
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

    def screenshot(self, path, selector=None):
        params = {"context": self.context}
        if selector:
            box = self.evaluate("(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                                " return [r.left, r.top, r.width, r.height]; })()" % json.dumps(selector))
            params["clip"] = {"type": "box", "x": box[0], "y": box[1], "width": box[2], "height": box[3]}
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.call("browsingContext.captureScreenshot", **params)["data"]))

