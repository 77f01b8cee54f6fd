# The folders of src/ are the layers: none may include one that includes it
# back, or one that docs/ARCHITECTURE.md's layer table does not allow it;
# and each of their targets links what it includes, nothing more.
# Checked in every build: Linux, Windows and the browser edition.

# Every target of src/ as this build makes it: its folder, its sources and
# what it links, written when the build is generated (the links may be
# generator expressions, and are only final then).
function(_trailcfg_layer_targets dir out)
  get_property(_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(_sub ${_subdirs})
    _trailcfg_layer_targets(${_sub} _more)
    list(APPEND _targets ${_more})
  endforeach()
  set(${out} ${_targets} PARENT_SCOPE)
endfunction()

_trailcfg_layer_targets(${PROJECT_SOURCE_DIR}/src _layer_targets)
set(_layer_content "")
foreach(_target ${_layer_targets})
  get_target_property(_type ${_target} TYPE)
  get_target_property(_dir ${_target} SOURCE_DIR)
  file(RELATIVE_PATH _dir ${PROJECT_SOURCE_DIR}/src ${_dir})
  string(APPEND _layer_content "list(APPEND TARGETS ${_target})\n"
                               "set(TYPE_${_target} ${_type})\n"
                               "set(DIR_${_target} \"${_dir}\")\n")
  if(_type MATCHES "^(STATIC|SHARED|MODULE|OBJECT)_LIBRARY$|^EXECUTABLE$")
    string(APPEND _layer_content "set(SOURCES_${_target} \"$<TARGET_PROPERTY:${_target},SOURCES>\")\n"
                                 "set(LINKS_${_target} \"$<TARGET_PROPERTY:${_target},LINK_LIBRARIES>\")\n")
  elseif(_type STREQUAL "INTERFACE_LIBRARY")
    # A library of headers only: what it links is what its users get.
    string(APPEND _layer_content
           "set(LINKS_${_target} \"$<TARGET_PROPERTY:${_target},INTERFACE_LINK_LIBRARIES>\")\n")
  endif()
endforeach()
set(_layer_targets_file ${CMAKE_BINARY_DIR}/layers/targets.cmake)
file(GENERATE OUTPUT ${_layer_targets_file} CONTENT "${_layer_content}")

add_test(NAME layers.no_include_ring
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
                 -DLAYER_TABLE=${PROJECT_SOURCE_DIR}/docs/ARCHITECTURE.md
                 -DTARGETS=${_layer_targets_file}
                 -P ${PROJECT_SOURCE_DIR}/tests/layers/check_layers.cmake)
