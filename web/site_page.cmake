# Writes one page of the site (an HTML page or the style sheet) naming the
# style sheet, the pictures and the program (trailcfg.wasm) by addresses of
# their contents: trailcfg.css?v=<the first 16 hex digits of its SHA-256>.
# Browsers keep such files in memory by their address and, for an address
# they have, ask neither the service worker nor the server again: a new
# build's page that named them as the old one did would get the old build's
# (Firefox its style and pictures, WebKit the program its page preloads).
# The service worker keeps files by name and answers whatever follows the
# "?".
# A page may take a file in whole rather than name it: a style sheet linked
# as <link rel="stylesheet" href="NAME" data-inline>, a script as
# <script src="NAME" data-inline></script>. The browser then has one file
# fewer to wait for before the page can start, and that file can never be
# another build's. Each becomes <style data-from="NAME">…</style> or
# <script data-from="NAME">…</script>, from the site's NAME or, when the site
# has none, PROGRAM's (where the program's script is made). The page made
# again takes in the site's NAME afresh; PROGRAM's is kept as it is.
#   cmake -DSITE=dir -DPAGE=index.html [-DSOURCE=file] [-DPROGRAM=dir] -P site_page.cmake
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

# A tag that takes a file in becomes the element that holds it, empty until
# it is filled below with the rest.
string(REGEX REPLACE "<link rel=\"stylesheet\" href=\"([^\"?]+)(\\?v=[0-9a-f]*)?\" data-inline>"
       "<style data-from=\"\\1\"></style>" _text "${_text}")
string(REGEX REPLACE "<script src=\"([^\"?]+)\" data-inline></script>" "<script data-from=\"\\1\"></script>" _text
       "${_text}")
# Each element that holds a file, filled with the site's or PROGRAM's copy as
# it is now; a file in neither stays as taken in before. HTML ends a <script>
# or <style> at the first "</script" or "</style" in it, whatever the file
# meant: such a file stops the build.
string(REGEX MATCHALL "<(style|script) data-from=\"[^\"]+\">" _opens "${_text}")
foreach(_open ${_opens})
  string(REGEX REPLACE "^<(style|script) data-from=\"([^\"]+)\">$" "\\1;\\2" _parts "${_open}")
  list(GET _parts 0 _kind)
  list(GET _parts 1 _name)
  string(FIND "${_text}" "${_open}" _at)
  string(LENGTH "${_open}" _length)
  math(EXPR _inside "${_at} + ${_length}")
  string(SUBSTRING "${_text}" 0 ${_inside} _before_it)
  string(SUBSTRING "${_text}" ${_inside} -1 _rest)
  string(FIND "${_rest}" "</${_kind}>" _end)
  string(SUBSTRING "${_rest}" ${_end} -1 _after_it)
  if(EXISTS ${SITE}/${_name})
    file(READ ${SITE}/${_name} _whole)
  elseif(PROGRAM AND EXISTS ${PROGRAM}/${_name})
    file(READ ${PROGRAM}/${_name} _whole)
  elseif(_end EQUAL 0)
    message(FATAL_ERROR "${PAGE} takes in ${_name}, which is in neither ${SITE} nor PROGRAM")
  else()
    continue()
  endif()
  string(TOLOWER "${_whole}" _lower)
  foreach(_closing "</script" "</style" "<!--")
    string(FIND "${_lower}" "${_closing}" _found)
    if(NOT _found EQUAL -1)
      message(FATAL_ERROR "${_name} holds \"${_closing}\" and cannot be taken into ${PAGE} as it is")
    endif()
  endforeach()
  set(_text "${_before_it}${_whole}${_after_it}")
endforeach()
file(WRITE ${SITE}/${PAGE} "${_text}")
