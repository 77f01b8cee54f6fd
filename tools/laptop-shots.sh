# Sourced by the screenshot scripts (tests/port/qt_screenshots.sh,
# tools/win32-screenshots.sh), which define shot NAME LOCALE KEYS....
#
# laptop_shots PREFIX: every page, top and bottom, named PREFIX-<page>. From
# the start page Return opens Camera Setup and Tab Tab Tab space the 3G
# parameters; from a page's first field Shift+Tab goes to its last control,
# which the page scrolls into view: the parameter page's "Next Page" (space
# opens the send page) or Camera Setup's "Generate". The English pages come
# first and the Chinese ones last, so that a run changes the locale once.
laptop_shots() {
    local prefix=$1
    shot "$prefix-start-page-en" en_US.UTF-8
    shot "$prefix-camera-setup-en" en_US.UTF-8 Return
    shot "$prefix-camera-setup-en-bottom" en_US.UTF-8 Return shift+Tab
    shot "$prefix-3g-send-en" en_US.UTF-8 Tab Tab Tab space shift+Tab space
    shot "$prefix-3g-send-en-bottom" en_US.UTF-8 Tab Tab Tab space shift+Tab space shift+Tab
    shot "$prefix-3g-parameters-zh" zh_CN.UTF-8 Tab Tab Tab space
    shot "$prefix-3g-parameters-zh-bottom" zh_CN.UTF-8 Tab Tab Tab space shift+Tab
}
