# Installing and packaging (CPack). Included by the top-level CMakeLists.txt.
#
# Windows (preset mingw): a ZIP with trailcfg.exe, trailcfg-cli.exe, the
# README, LICENSE.txt and NOTICE.txt, all at its top: a program that needs
# nothing installed.
# Linux: trailcfg and trailcfg-cli in bin, a desktop entry and the 48-pixel
# icon where desktops look for them, the AppStream metainfo, man pages, the
# bash completion, and the copyright file and changelog a Debian package
# carries; a .deb that names what it needs.
include(GNUInstallDirs)

# Who packages this release and where its home is: a packager sets their own.
# The defaults are placeholders under a domain reserved for examples, which
# lintian accepts; no real address or page is implied.
set(TRAILCFG_MAINTAINER "trailcfg developers <trailcfg@example.org>"
    CACHE STRING "Maintainer of the Debian package, and of its changelog entry")
set(TRAILCFG_HOMEPAGE "https://trailcfg.example.org" CACHE STRING "The project's home page (package, metainfo)")
set(TRAILCFG_SCREENSHOTS_URL "${TRAILCFG_HOMEPAGE}/screenshots"
    CACHE STRING "Where docs/screenshots are published, for software centres")
set(TRAILCFG_APPSTREAM_ID "org.example.trailcfg" CACHE STRING "The desktop program's AppStream component id")

include(${CMAKE_CURRENT_LIST_DIR}/notices.cmake)
set(_programs ${TRAILCFG_SHIPPED_PROGRAMS})

if(WIN32)
  install(TARGETS ${_programs} RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
  # CRLF, so that Notepad shows them as they are meant.
  foreach(_text LICENSE NOTICE)
    configure_file(${PROJECT_SOURCE_DIR}/${_text} ${CMAKE_BINARY_DIR}/${_text}.txt @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${CMAKE_BINARY_DIR}/${_text}.txt DESTINATION .)
  endforeach()
  set(_expected trailcfg.exe trailcfg-cli.exe README.md LICENSE.txt NOTICE.txt)
else()
  install(TARGETS ${_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/trailcfg.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/images/app.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME trailcfg.png)
  set(_expected ${CMAKE_INSTALL_BINDIR}/trailcfg-cli ${CMAKE_INSTALL_DATADIR}/applications/trailcfg.desktop
                ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps/trailcfg.png)
  if(TARGET trailcfg)
    list(APPEND _expected ${CMAKE_INSTALL_BINDIR}/trailcfg)
  endif()
  include(${CMAKE_CURRENT_LIST_DIR}/linux-docs.cmake)
endif()

set(CPACK_PACKAGE_NAME trailcfg)
set(CPACK_PACKAGE_VENDOR trailcfg)
set(CPACK_PACKAGE_CONTACT "${TRAILCFG_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME trailcfg-${PROJECT_VERSION}-windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TRAILCFG_HOMEPAGE}")
  # The libraries the programs link come from dpkg-shlibdeps; what they load
  # at run time it cannot see: Qt's platform plugins, and a font that has the
  # interface's Chinese.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
endif()
include(CPack)

# The installed files are where they belong: `cmake --install` into a
# temporary prefix, then a look.
if(TRAILCFG_TESTS)
  add_test(NAME packaging.install
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-test
                   "-DEXPECTED=${_expected}" -P ${CMAKE_CURRENT_LIST_DIR}/check-install.cmake)
endif()
