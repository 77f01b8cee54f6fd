# The site's About page (about.html, in the page's language) with the
# version, the license and the notices, and LICENSE.txt and NOTICE.txt beside
# it. Included by web/CMakeLists.txt; index.html links the page.
set(_about_site ${CMAKE_BINARY_DIR}/site)

# The notices are written into the page, so it shows them wherever it is
# opened from, and beside it as they are.
file(READ ${PROJECT_SOURCE_DIR}/NOTICE TRAILCFG_NOTICE_HTML)
string(REPLACE "&" "&amp;" TRAILCFG_NOTICE_HTML "${TRAILCFG_NOTICE_HTML}")
string(REPLACE "<" "&lt;" TRAILCFG_NOTICE_HTML "${TRAILCFG_NOTICE_HTML}")
string(REPLACE ">" "&gt;" TRAILCFG_NOTICE_HTML "${TRAILCFG_NOTICE_HTML}")
# The page as written here; the build names its style and icon by their
# contents (web/CMakeLists.txt) on its way into the site.
set(TRAILCFG_ABOUT_PAGE ${CMAKE_CURRENT_BINARY_DIR}/about.html)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/site/about.html ${TRAILCFG_ABOUT_PAGE} @ONLY)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/site/about.js ${_about_site}/about.js COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${_about_site}/LICENSE.txt COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/NOTICE ${_about_site}/NOTICE.txt COPYONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NOTICE)
