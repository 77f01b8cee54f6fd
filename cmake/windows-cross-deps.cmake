# What the Windows cross build takes from the Linux machine it runs on.
#
# CLI11 and nlohmann/json are header-only, but their packages put the headers
# in /usr/include, and that folder must never reach a MinGW compile: its C
# library headers are glibc's. The two header trees are copied into the build
# tree and offered to find_package() through small config files of our own.
# GoogleTest is built from the source Debian ships (googletest package), with
# the cross compiler, for the Windows test programs.
#
# Included by the top-level CMakeLists.txt only when cross-compiling for
# Windows; a native Windows build (MSVC, MSYS2) finds these as usual.

set(_deps ${CMAKE_BINARY_DIR}/windows-cross-deps)

# trailcfg_header_package(NAME TARGET HEADER_DIR...): NAME's config file,
# defining the INTERFACE target TARGET over copies of the HEADER_DIRs.
function(trailcfg_header_package name target)
  set(_include ${_deps}/${name}/include)
  foreach(_dir ${ARGN})
    if(NOT IS_DIRECTORY ${_dir})
      message(FATAL_ERROR "${name}: ${_dir} is missing (tools/install-deps.sh installs it)")
    endif()
    file(COPY ${_dir} DESTINATION ${_include})
  endforeach()
  file(WRITE ${_deps}/${name}/${name}Config.cmake
    "if(NOT TARGET ${target})\n"
    "  add_library(${target} INTERFACE IMPORTED)\n"
    "  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"${_include}\")\n"
    "endif()\n")
  set(${name}_DIR ${_deps}/${name} CACHE PATH "${name} for the Windows cross build" FORCE)
endfunction()

trailcfg_header_package(CLI11 CLI11::CLI11 /usr/include/CLI)
trailcfg_header_package(nlohmann_json nlohmann_json::nlohmann_json /usr/include/nlohmann)

if(TRAILCFG_TESTS)
  set(_googletest /usr/src/googletest)
  if(NOT EXISTS ${_googletest}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest's source is missing at ${_googletest} (apt-get install googletest)")
  endif()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # SYSTEM: its headers are included as system headers, so our warnings stay
  # about our code.
  add_subdirectory(${_googletest} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # googletest defines GTest::gtest and GTest::gtest_main itself; FindGTest
  # only has to be told that they are there.
  file(WRITE ${_deps}/GTest/GTestConfig.cmake "# GTest::gtest and GTest::gtest_main come from add_subdirectory.\n")
  set(GTest_DIR ${_deps}/GTest CACHE PATH "GoogleTest for the Windows cross build" FORCE)
endif()
