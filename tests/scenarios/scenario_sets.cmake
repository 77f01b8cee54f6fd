# The scenario sets: every folder of tests/scenarios holding *.scn files is
# one set. Sets SCENARIO_SETS to the folder names, and SCENARIO_FILES_<name>
# to each set's files, sorted, relative to the source tree (an absolute path
# under Wine starts with "/", which a Windows program's option parser takes
# for an option; the tests run from the source tree).
function(trailcfg_scenario_sets)
  set(_sets)
  file(GLOB _entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scenarios/*)
  foreach(_dir ${_entries})
    if(NOT IS_DIRECTORY ${_dir})
      continue()
    endif()
    file(GLOB _files CONFIGURE_DEPENDS ${_dir}/*.scn)
    if(NOT _files)
      continue()
    endif()
    list(SORT _files)
    get_filename_component(_name ${_dir} NAME)
    set(_relative)
    foreach(_file ${_files})
      file(RELATIVE_PATH _file ${PROJECT_SOURCE_DIR} ${_file})
      list(APPEND _relative ${_file})
    endforeach()
    list(APPEND _sets ${_name})
    set(SCENARIO_FILES_${_name} ${_relative} PARENT_SCOPE)
  endforeach()
  set(SCENARIO_SETS ${_sets} PARENT_SCOPE)
endfunction()
