# The programs a release ships; what they carry of other people's work, as
# this build knows it; and the test that NOTICE (and on Linux the Debian
# copyright file) names all of it. Included once the targets exist.
#
# A part is known by what the build sees: an imported library a shipped
# program links (nlohmann_json::nlohmann_json, Qt6::Widgets), a folder of third_party/, or
# the toolchain's runtime that goes into the programs (MinGW-w64's static
# runtime, Emscripten's). Adding any of them without its notice fails the
# test, which prints the name to add.

# The operating system's own libraries: every Windows has them and no release
# carries them.
set(_trailcfg_system_libraries comctl32 shell32 ole32 gdi32 user32 kernel32)

# trailcfg_linked_parts(OUT TARGET...): what TARGETs link that is not ours,
# through our own libraries, without looking into the imported ones.
function(trailcfg_linked_parts out)
  set(_parts)
  set(_seen)
  set(_todo ${ARGN})
  while(_todo)
    list(POP_FRONT _todo _target)
    if(_target IN_LIST _seen)
      continue()
    endif()
    list(APPEND _seen ${_target})
    get_target_property(_type ${_target} TYPE)
    if(_type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(_links ${_target} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(_links ${_target} LINK_LIBRARIES)
    endif()
    foreach(_item IN LISTS _links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _item "${_item}")
      if(NOT _item OR _item MATCHES "^-|^\\$<")
        continue()
      endif()
      if(TARGET ${_item})
        get_target_property(_imported ${_item} IMPORTED)
        if(_imported)
          list(APPEND _parts ${_item})
        else()
          list(APPEND _todo ${_item})
        endif()
      elseif(NOT _item IN_LIST _trailcfg_system_libraries)
        list(APPEND _parts ${_item})
      endif()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES _parts)
  set(${out} ${_parts} PARENT_SCOPE)
endfunction()

set(TRAILCFG_SHIPPED_PROGRAMS)
foreach(_target trailcfg trailcfg-cli)
  if(TARGET ${_target})
    list(APPEND TRAILCFG_SHIPPED_PROGRAMS ${_target})
  endif()
endforeach()
if(NOT TRAILCFG_TESTS)
  return()
endif()
trailcfg_linked_parts(_parts ${TRAILCFG_SHIPPED_PROGRAMS})

file(GLOB _third_party LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/third_party/*)
foreach(_dir ${_third_party})
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${_dir})
    list(APPEND _parts ${_dir})
  endif()
endforeach()

# The runtimes the toolchains link into the programs; a native Linux build
# links Debian's shared C and C++ libraries, which the package depends on.
set(_toolchain_parts)
if(MINGW)
  list(APPEND _toolchain_parts MinGW-w64)
elseif(EMSCRIPTEN)
  list(APPEND _toolchain_parts Emscripten)
endif()

# The version of each library as the build found it, which NOTICE's entry
# must give: NAME::TARGET comes from the package NAME. A package that tells
# no version (the Windows build's header copies) is not checked.
function(trailcfg_part_versions out)
  set(_versions)
  foreach(_part ${ARGN})
    if(_part MATCHES "^([A-Za-z0-9_]+)::")
      set(_package ${CMAKE_MATCH_1})
      find_package(${_package} CONFIG QUIET)
      if(${_package}_VERSION)
        list(APPEND _versions "${_part}=${${_package}_VERSION}")
      endif()
    endif()
  endforeach()
  set(${out} ${_versions} PARENT_SCOPE)
endfunction()
trailcfg_part_versions(_versions ${_parts})

# Names go to the script separated by commas: a list's semicolons would split
# the argument.
list(JOIN _parts "," _linked)
list(JOIN _toolchain_parts "," _toolchain)
list(JOIN _versions "," _versions)
set(_notice_args -DNOTICE=${PROJECT_SOURCE_DIR}/NOTICE "-DPARTS=${_linked},${_toolchain}" "-DVERSIONS=${_versions}")
if(NOT WIN32 AND NOT EMSCRIPTEN)
  # The Debian package holds what this build links, and no toolchain runtime.
  list(APPEND _notice_args -DCOPYRIGHT=${CMAKE_CURRENT_LIST_DIR}/debian/copyright "-DCOPYRIGHT_PARTS=${_linked}")
endif()
if(EMSCRIPTEN)
  # The site carries them too, with an About page the start page links.
  list(APPEND _notice_args -DSITE=${CMAKE_BINARY_DIR}/site -DLICENSE=${PROJECT_SOURCE_DIR}/LICENSE
       -DVERSION=${PROJECT_VERSION})
endif()
add_test(NAME packaging.notices COMMAND ${CMAKE_COMMAND} ${_notice_args} -P
                                        ${CMAKE_CURRENT_LIST_DIR}/check-notices.cmake)
