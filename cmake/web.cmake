# The browser edition (preset web): Emscripten's build of the pages, the web
# backend and the scenario runner. Included by the top-level CMakeLists.txt
# when the toolchain is Emscripten's.
#
# Debian's JavaScript tools (emcc's, terser) run on the system's node, which
# only finds their modules through NODE_PATH when node is not Debian's own:
# TRAILCFG_WEB_NODE_ENV runs a command so. Linking is where emcc runs them.
set(TRAILCFG_WEB_NODE_ENV)
if(EXISTS /usr/share/nodejs)
  set(TRAILCFG_WEB_NODE_ENV ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()
set(CMAKE_CXX_LINKER_LAUNCHER ${TRAILCFG_WEB_NODE_ENV})

add_link_options(-sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web "-sEXPORTED_RUNTIME_METHODS=['FS']")

# Header-only libraries of the build machine, seen through a folder of their
# own: the host's /usr/include must not reach Emscripten's compiler.
set(TRAILCFG_WEB_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${TRAILCFG_WEB_HOST_HEADERS})
if(NOT EXISTS ${TRAILCFG_WEB_HOST_HEADERS}/CLI)
  file(CREATE_LINK /usr/include/CLI ${TRAILCFG_WEB_HOST_HEADERS}/CLI SYMBOLIC)
endif()
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/web CACHE PATH "CLI11 for the web build" FORCE)

# Programs that run in the browser under the test harness (web/harness) exit
# with their status, which the harness passes on.
function(trailcfg_web_program target)
  set_target_properties(${target} PROPERTIES SUFFIX ".js")
  target_link_options(${target} PRIVATE -sEXIT_RUNTIME=1)
endfunction()
