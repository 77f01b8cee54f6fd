#!/usr/bin/python3
"""Runs a program of the web build in a browser, as if from a shell.

run_in_browser.py --site DIR --program NAME [--browser ENGINE] [--timeout S] -- ARG...

DIR holds NAME.js, NAME.wasm and run.html; ENGINE is chromium (the default),
firefox or webkit. The program gets ARG... as its command line and the
current folder as its working folder; every argument that names an existing
file is copied into its file system at the same path, so that it reads the
files it is given. Its standard output and error come out here, and this
script exits with its exit status (124 when it did not finish in time, 125
when the browser could not run it).
"""
import argparse
import base64
import json
import os
import sys
import threading
import urllib.parse

from browser import ENGINES, Site, open_browser


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
    parser.add_argument("--browser", choices=ENGINES, default="chromium")
    parser.add_argument("--timeout", type=float, default=600)
    parser.add_argument("args", nargs="*")
    options = parser.parse_args()

    job = json.dumps(job_for(options.program, options.args)).encode("utf-8")
    finished = threading.Event()
    status = {"code": 125}

    def serve(handler):
        url = urllib.parse.urlparse(handler.path)
        if handler.command == "GET":
            if url.path != "/job.json":
                return False
            handler.send_response(200)
            handler.send_header("Content-Type", "application/json")
            handler.send_header("Content-Length", str(len(job)))
            handler.end_headers()
            handler.wfile.write(job)
            return True
        query = urllib.parse.parse_qs(url.query)
        body = handler.rfile.read(int(handler.headers.get("Content-Length", 0) or 0))
        if url.path == "/out":
            stream = sys.stderr if query.get("s") == ["2"] else sys.stdout
            stream.buffer.write(body)
            stream.flush()
        elif url.path == "/exit":
            status["code"] = int(query.get("code", ["125"])[0]) & 0xFF
            finished.set()
        handler.send_response(204)
        handler.end_headers()
        return True

    site = Site(options.site, extra=serve)
    session = None
    try:
        session = open_browser(options.browser)
        # The program may hold the page's one thread for its whole run, and
        # a driver's navigation may wait for the page meanwhile: the run's
        # end is the program's own report, not the driver's answer.
        failed = []

        def open_page():
            try:
                session.navigate(site.url + "run.html")
            except Exception as e:  # noqa: BLE001 - reported below, if the program never ends
                failed.append(e)

        threading.Thread(target=open_page, daemon=True).start()
        if not finished.wait(options.timeout):
            why = (": %s" % failed[0]) if failed else ""
            print("run_in_browser: %s did not finish in %g s in %s%s" % (
                options.program, options.timeout, options.browser, why), file=sys.stderr)
            status["code"] = 124
    except Exception as e:  # noqa: BLE001 - the browser could not run it: 125
        print("run_in_browser: %s: %s" % (options.browser, e), file=sys.stderr)
    finally:
        if session:
            session.close()
        site.close()
    return status["code"]


if __name__ == "__main__":
    sys.exit(main())
