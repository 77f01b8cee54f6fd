#!/usr/bin/python3
"""Screenshots of the browser edition, for the README: the start page in
English and Chinese and the two settings pages (headless Chromium unless
ENGINE names firefox or webkit), and in Chromium the start page on a phone's
screen (390 x 844).

screenshots.py SITE_DIR OUT_DIR [ENGINE]"""
import os
import sys

from browser import Site, open_browser

SETTLED = "typeof TC === 'object' && TC.queue.length === 0"


def shoot(site, out, engine, locale, pages):
    browser = open_browser(engine, width=900, height=1000, lang=locale)
    browser.settled = SETTLED
    try:
        browser.navigate(site.url + "index.html")
        browser.wait_for("!!document.querySelector('.tc-window[data-template=\"111\"]')")
        for name, clicks, template in pages:
            for selector in clicks:
                browser.click(selector)
            browser.wait_for("!!document.querySelector('.tc-window[data-template=\"%d\"]')" % template)
            path = os.path.join(out, name)
            browser.screenshot(path, selector=".tc-window")
            print(path)
    finally:
        browser.close()


def phone_shot(site, path):
    browser = open_browser("chromium", width=390, height=844)
    try:
        browser.call("Emulation.setDeviceMetricsOverride", width=390, height=844, deviceScaleFactor=1, mobile=True)
        browser.navigate(site.url + "index.html")
        browser.wait_for("!!document.querySelector('.tc-window[data-template=\"111\"]')")
        browser.screenshot(path)
        print(path)
    finally:
        browser.close()


def main():
    site = Site(sys.argv[1])
    out = sys.argv[2]
    engine = sys.argv[3] if len(sys.argv) > 3 else "chromium"
    os.makedirs(out, exist_ok=True)
    try:
        shoot(site, out, engine, "en-US", [("web-start-page-en.png", [], 111),
                                           ("web-send-page-en.png", ["#c40002", "#c40082"], 106)])
        shoot(site, out, engine, "zh-CN", [("web-start-page-zh.png", [], 111),
                                           ("web-3g-parameters-zh.png", ["#c40002"], 107)])
        shoot(site, out, engine, "zh-CN", [("web-camera-setup-zh.png", ["#c40000"], 113)])
        if engine == "chromium":  # a phone's screen is emulated through the DevTools protocol
            phone_shot(site, os.path.join(out, "web-phone-start-en.png"))
    finally:
        site.close()


if __name__ == "__main__":
    sys.exit(main())
