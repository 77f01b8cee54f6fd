# CLI11 (header-only) for the Emscripten build: the host's headers through
# the build's own include folder (cmake/web.cmake).
if(NOT TARGET CLI11::CLI11)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${TRAILCFG_WEB_HOST_HEADERS})
endif()
set(CLI11_FOUND TRUE)
