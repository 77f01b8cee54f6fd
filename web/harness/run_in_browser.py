#!/usr/bin/python3
"""Runs a program of the web build in headless Chromium, as if from a shell.

run_in_browser.py --site DIR --program NAME [--timeout S] -- ARG...

DIR holds NAME.js, NAME.wasm and run.html. The program gets ARG... as its
command line and the current folder as its working folder; every argument
that names an existing file is copied into its file system at the same
path, so that it reads the files it is given. Its standard output and error
come out here, and this script exits with its exit status (124 when it did
not finish in time, 125 when the browser could not run it).
"""
import argparse
import base64
import http.server
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import urllib.parse

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--disable-default-apps", "--mute-audio",
]


def chromium():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    return None


def job_for(program, args):
    cwd = os.getcwd()
    files = []
    for arg in args:
        path = os.path.abspath(arg)
        if not arg.startswith("-") and os.path.isfile(path):
            with open(path, "rb") as f:
                files.append({"path": path, "data": base64.b64encode(f.read()).decode("ascii")})
    return {"program": program, "args": args, "cwd": cwd, "files": files}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--timeout", type=float, default=600)
    parser.add_argument("args", nargs="*")
    options = parser.parse_args()

    site = os.path.abspath(options.site)
    job = json.dumps(job_for(options.program, options.args)).encode("utf-8")
    finished = threading.Event()
    status = {"code": 125}

    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *a, **kw):
            super().__init__(*a, directory=site, **kw)

        def log_message(self, *a):
            pass

        def do_GET(self):
            if self.path.split("?")[0] == "/job.json":
                self.send_response(200)
                self.send_header("Content-Type", "application/json")
                self.send_header("Content-Length", str(len(job)))
                self.end_headers()
                self.wfile.write(job)
                return
            super().do_GET()

        def do_POST(self):
            url = urllib.parse.urlparse(self.path)
            query = urllib.parse.parse_qs(url.query)
            body = self.rfile.read(int(self.headers.get("Content-Length", 0) or 0))
            if url.path == "/out":
                stream = sys.stderr if query.get("s") == ["2"] else sys.stdout
                stream.buffer.write(body)
                stream.flush()
            elif url.path == "/exit":
                status["code"] = int(query.get("code", ["125"])[0]) & 0xFF
                finished.set()
            self.send_response(204)
            self.end_headers()

    Handler.extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map)
    Handler.extensions_map[".wasm"] = "application/wasm"
    Handler.extensions_map[".js"] = "text/javascript"
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()

    browser = chromium()
    if not browser:
        print("run_in_browser: no chromium found (./tools/install-web-deps.sh)", file=sys.stderr)
        return 125
    profile = tempfile.mkdtemp(prefix="trailcfg-chromium-")
    url = "http://127.0.0.1:%d/run.html" % server.server_address[1]
    process = subprocess.Popen([browser] + CHROMIUM_FLAGS + ["--user-data-dir=" + profile, url],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        if not finished.wait(options.timeout):
            print("run_in_browser: %s did not finish in %g s" % (options.program, options.timeout), file=sys.stderr)
            status["code"] = 124
    finally:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    return status["code"]


if __name__ == "__main__":
    sys.exit(main())
