# Writes the site's service worker (sw.js) from its template: the list of
# the site's files and a hash of their contents, which names the build.
#   cmake -DSITE=dir -DTEMPLATE=sw.js.in -DFILES=a,b,c -P site_worker.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(_all "")
set(_list "")
foreach(_name ${FILES})
  file(SHA256 ${SITE}/${_name} _hash)
  string(APPEND _all "${_name}=${_hash}\n")
  if(_list)
    string(APPEND _list ", ")
  endif()
  string(APPEND _list "'${_name}'")
endforeach()
string(SHA256 _site_hash "${_all}")
string(SUBSTRING ${_site_hash} 0 16 TRAILCFG_SITE_HASH)
set(TRAILCFG_SITE_FILES "${_list}")
file(SHA256 ${SITE}/trailcfg.wasm TRAILCFG_WASM_SHA256)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
