# What a Linux installation carries besides the programs: the man pages, the
# bash completion, the AppStream metainfo, and the copyright file and the
# changelog Debian asks of every package. Included by packaging.cmake, which
# lists what is installed in _expected.
find_program(TRAILCFG_HELP2MAN help2man REQUIRED)
find_program(TRAILCFG_GZIP gzip REQUIRED)

# The man pages, made from the programs' own help whenever a program changes.
set(_man_dir ${CMAKE_BINARY_DIR}/man)
set(_man_pages)
set(_man_trailcfg "the desktop program that writes trail cameras' settings files")
set(_man_trailcfg-cli "read, explain, edit, check and write trail cameras' settings files")
foreach(_program ${_programs})
  set(_page ${_man_dir}/${_program}.1.gz)
  set(_include ${CMAKE_CURRENT_LIST_DIR}/man/${_program}.h2m)
  add_custom_command(
    OUTPUT ${_page}
    COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${TRAILCFG_HELP2MAN} -DGZIP=${TRAILCFG_GZIP} -DPROGRAM=$<TARGET_FILE:${_program}>
            "-DNAME=${_man_${_program}}" -DINCLUDE=${_include} -DOUT=${_page}
            -P ${CMAKE_CURRENT_LIST_DIR}/man/make-man.cmake
    DEPENDS ${_program} ${_include} ${CMAKE_CURRENT_LIST_DIR}/man/make-man.cmake
    COMMENT "Man page ${_program}(1)"
    VERBATIM)
  list(APPEND _man_pages ${_page})
  list(APPEND _expected ${CMAKE_INSTALL_MANDIR}/man1/${_program}.1.gz)
endforeach()

# The changelog of a native package, compressed without a time stamp.
string(TIMESTAMP TRAILCFG_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP TRAILCFG_RELEASE_DAY "%Y-%m-%d" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
                   COMMAND ${TRAILCFG_GZIP} -9nkf ${CMAKE_BINARY_DIR}/debian/changelog
                   DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog VERBATIM)
add_custom_target(trailcfg_linux_docs ALL DEPENDS ${_man_pages} ${CMAKE_BINARY_DIR}/debian/changelog.gz)

install(FILES ${_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# NOTICE as the Apache License asks it to travel; the license itself is the
# system's /usr/share/common-licenses/Apache-2.0, which the copyright file names.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
              ${PROJECT_SOURCE_DIR}/NOTICE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/trailcfg-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME trailcfg-cli)
list(APPEND _expected ${CMAKE_INSTALL_DOCDIR}/copyright ${CMAKE_INSTALL_DOCDIR}/changelog.gz ${CMAKE_INSTALL_DOCDIR}/NOTICE
     ${CMAKE_INSTALL_DATADIR}/bash-completion/completions/trailcfg-cli)
if(TRAILCFG_TESTS)
  # The completion against the program it completes (bash-completion's
  # helpers, as an interactive shell has them).
  add_test(NAME packaging.completion
           COMMAND /bin/bash ${CMAKE_CURRENT_LIST_DIR}/check-completion.sh
                   ${CMAKE_CURRENT_LIST_DIR}/trailcfg-cli.bash-completion $<TARGET_FILE_DIR:trailcfg-cli>)
endif()

# The metainfo describes the desktop program in the package's own words.
if(TARGET trailcfg)
  file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt _description)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/description.txt)
  string(STRIP "${_description}" _description)
  string(REPLACE "&" "&amp;" _description "${_description}")
  string(REPLACE "<" "&lt;" _description "${_description}")
  string(REGEX REPLACE "\n\n+" "</p>\n    <p>" _description "${_description}")
  set(TRAILCFG_METAINFO_DESCRIPTION "    <p>${_description}</p>")
  set(_metainfo ${CMAKE_BINARY_DIR}/${TRAILCFG_APPSTREAM_ID}.metainfo.xml)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/trailcfg.metainfo.xml.in ${_metainfo} @ONLY)
  install(FILES ${_metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  list(APPEND _expected ${CMAKE_INSTALL_DATADIR}/metainfo/${TRAILCFG_APPSTREAM_ID}.metainfo.xml)
  if(TRAILCFG_TESTS)
    # --no-net: the screenshots are published with the release, not before
    # the build that makes it.
    find_program(TRAILCFG_APPSTREAMCLI appstreamcli REQUIRED)
    add_test(NAME packaging.metainfo COMMAND ${TRAILCFG_APPSTREAMCLI} validate --no-net ${_metainfo})
  endif()
endif()

# lintian reads a package's overrides from the package itself; none is needed
# today, and packaging/lintian.sh takes one only with its reason above it.
if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME trailcfg)
  list(APPEND _expected ${CMAKE_INSTALL_DATADIR}/lintian/overrides/trailcfg)
endif()
