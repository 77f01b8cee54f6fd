# Writes the site's service worker (sw.js) from its template: each of the
# site's files with the SHA-256 of its contents, and a hash of them all,
# which names the build.
#   cmake -DSITE=dir -DTEMPLATE=sw.js.in -DFILES=a,b,c -P site_worker.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(_all "")
set(_list "")
foreach(_name ${FILES})
  file(SHA256 ${SITE}/${_name} _hash)
  string(APPEND _all "${_name}=${_hash}\n")
  if(_list)
    string(APPEND _list ",\n  ")
  else()
    string(APPEND _list "\n  ")
  endif()
  string(APPEND _list "'${_name}': '${_hash}'")
endforeach()
string(SHA256 _site_hash "${_all}")
string(SUBSTRING ${_site_hash} 0 16 TRAILCFG_SITE_HASH)
set(TRAILCFG_SITE_FILES "${_list},\n")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
