#!/usr/bin/python3
"""Screenshots of the browser edition in headless Chromium, for the README:
the start page in English and Chinese and the two settings pages, and the
start page on a phone's screen (390 x 844).

screenshots.py SITE_DIR OUT_DIR"""
import os
import sys

from cdp import Browser, Site

SETTLED = "typeof TC === 'object' && TC.queue.length === 0"


def window_shot(browser, path):
    clip = browser.evaluate("(() => { const r = document.querySelector('.tc-window').getBoundingClientRect();"
                            " return {x: r.left, y: r.top, width: r.width, height: r.height, scale: 1}; })()")
    import base64
    data = browser.call("Page.captureScreenshot", format="png", clip=clip)["data"]
    with open(path, "wb") as f:
        f.write(base64.b64decode(data))
    print(path)


def shoot(site, out, locale, pages):
    browser = Browser(width=900, height=1000)
    browser.settled = SETTLED
    try:
        # navigator.language is what the program asks for its language.
        browser.call("Emulation.setLocaleOverride", locale=locale)
        browser.call("Network.setUserAgentOverride", userAgent=browser.evaluate("navigator.userAgent"),
                     acceptLanguage=locale)
        browser.navigate(site.url + "index.html")
        browser.wait_for("!!document.querySelector('.tc-window[data-template=\"111\"]')")
        for name, clicks, template in pages:
            for selector in clicks:
                browser.click(selector)
            browser.wait_for("!!document.querySelector('.tc-window[data-template=\"%d\"]')" % template)
            window_shot(browser, os.path.join(out, name))
    finally:
        browser.close()


def phone_shot(site, path):
    browser = Browser(width=390, height=844)
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
    os.makedirs(out, exist_ok=True)
    try:
        shoot(site, out, "en-US", [("web-start-page-en.png", [], 111),
                                   ("web-send-page-en.png", ["#c40002", "#c40082"], 106)])
        shoot(site, out, "zh-CN", [("web-start-page-zh.png", [], 111),
                                   ("web-3g-parameters-zh.png", ["#c40002"], 107)])
        shoot(site, out, "zh-CN", [("web-camera-setup-zh.png", ["#c40000"], 113)])
        phone_shot(site, os.path.join(out, "web-phone-start-en.png"))
    finally:
        site.close()


if __name__ == "__main__":
    sys.exit(main())
