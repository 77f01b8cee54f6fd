# Writes one page of the site (an HTML page or the style sheet) naming the
# style sheet, the pictures and the program (trailcfg.wasm) by addresses of
# their contents: trailcfg.css?v=<the first 16 hex digits of its SHA-256>.
# Browsers keep such files in memory by their address and, for an address
# they have, ask neither the service worker nor the server again: a new
# build's page that named them as the old one did would get the old build's
# (Firefox its style and pictures, WebKit the program its page preloads).
# The service worker keeps files by name and answers whatever follows the
# "?".
#   cmake -DSITE=dir -DPAGE=index.html [-DSOURCE=file] -P site_page.cmake
# SOURCE is the page as written; without it the site's own copy is brought
# up to date. What the page names must be in the site, as it will be served:
# a page is made after the files it names.
if(NOT SOURCE)
  set(SOURCE ${SITE}/${PAGE})
endif()
file(READ ${SOURCE} _text)
# The addresses in attributes, in the style's url() and in the page's own
# fetch() (which must ask for what its preload did), with the version an
# earlier run may have given them.
set(_before "(href=\"|src=\"|url\\([\"']?|fetch\\(')")
set(_version "(\\?v=[0-9a-f]*)?")
set(_kept_by_address "[A-Za-z0-9_-][A-Za-z0-9_.-]*\\.(css|png|bmp|ico|svg|jpg|gif|webp|wasm)")
string(REGEX MATCHALL "${_before}${_kept_by_address}${_version}" _addresses "${_text}")
set(_names)
foreach(_address ${_addresses})
  string(REGEX REPLACE "${_before}(${_kept_by_address})${_version}" "\\2" _name "${_address}")
  list(APPEND _names ${_name})
endforeach()
list(REMOVE_DUPLICATES _names)
foreach(_name ${_names})
  if(NOT EXISTS ${SITE}/${_name})
    message(FATAL_ERROR "${PAGE} names ${_name}, which is not in ${SITE}")
  endif()
  file(SHA256 ${SITE}/${_name} _hash)
  string(SUBSTRING ${_hash} 0 16 _hash)
  string(REPLACE "." "\\." _exactly ${_name})
  string(REGEX REPLACE "${_before}${_exactly}${_version}" "\\1${_name}?v=${_hash}" _text "${_text}")
endforeach()
file(WRITE ${SITE}/${PAGE} "${_text}")
