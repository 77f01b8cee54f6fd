# The resources every Windows program of this project carries: banner bitmap
# 114, icon groups 117 and 119, the manifest and the version. Included by the
# top-level CMakeLists.txt when building for Windows.
#
# trailcfg_windows_resources(TARGET DESCRIPTION) compiles them into the
# executable TARGET, with its own name in the version information. Each
# executable gets its own copy: a resource object inside a static library
# would never be pulled into a program.
set(TRAILCFG_SOURCE_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE INTERNAL "")

function(trailcfg_windows_resources target description)
  set(TRAILCFG_RESOURCE_IDS ${TRAILCFG_SOURCE_WINDOWS_DIR}/resource_ids.h)
  get_filename_component(TRAILCFG_IMAGES_DIR ${TRAILCFG_SOURCE_WINDOWS_DIR}/../images ABSOLUTE)
  set(TRAILCFG_FILE_DESCRIPTION "${description}")
  get_target_property(TRAILCFG_INTERNAL_NAME ${target} OUTPUT_NAME)
  if(NOT TRAILCFG_INTERNAL_NAME)
    set(TRAILCFG_INTERNAL_NAME ${target})
  endif()
  set(_dir ${CMAKE_BINARY_DIR}/windows-resources/${target})
  set(TRAILCFG_MANIFEST ${_dir}/trailcfg.manifest)
  configure_file(${TRAILCFG_SOURCE_WINDOWS_DIR}/trailcfg.manifest.in ${TRAILCFG_MANIFEST} @ONLY)
  configure_file(${TRAILCFG_SOURCE_WINDOWS_DIR}/trailcfg.rc.in ${_dir}/trailcfg.rc @ONLY)
  target_sources(${target} PRIVATE ${_dir}/trailcfg.rc)
  # MSVC's linker would add a manifest of its own next to ours.
  if(MSVC)
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
