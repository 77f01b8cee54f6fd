# Fails when README.md or docs/*.md names a file or folder of the tree that
# is not there, so that a move or a rename cannot leave the docs behind.
#
#   cmake -DROOT_DIR=<tree> -P check_doc_paths.cmake
#
# What counts as a path:
# - a link's target, `[text](target)`, read from the document's folder
#   (web addresses and anchors aside);
# - a word in backquotes that starts with a folder of the tree or of src/
#   (`tests/scenarios/`, `platform/port.h`); it may end without the .h or
#   .cpp of a pair (`app/navigation`) and may hold a * (`gui/main_*.cpp`);
# - a source file's name alone in backquotes (`port.h`), which some file of
#   the tree must carry; other names alone (`LICENSE.txt`) may be what the
#   build or a package makes.
# Words with <, {, quotes or $ are patterns the text explains, and paths
# under build/ or an installed system are not the tree's; both are left out.
cmake_minimum_required(VERSION 3.25)

if(NOT ROOT_DIR)
  message(FATAL_ERROR "ROOT_DIR is not set")
endif()

set(_top_folders)
file(GLOB _entries RELATIVE ${ROOT_DIR} ${ROOT_DIR}/* ${ROOT_DIR}/.ci)
foreach(_entry ${_entries})
  if(IS_DIRECTORY ${ROOT_DIR}/${_entry} AND NOT _entry STREQUAL "build" AND NOT _entry STREQUAL ".git")
    list(APPEND _top_folders ${_entry})
  endif()
endforeach()
set(_src_folders)
file(GLOB _entries RELATIVE ${ROOT_DIR}/src ${ROOT_DIR}/src/*)
foreach(_entry ${_entries})
  if(IS_DIRECTORY ${ROOT_DIR}/src/${_entry})
    list(APPEND _src_folders ${_entry})
  endif()
endforeach()

# The names of every file of the tree outside build folders, for file names
# named alone.
set(_names)
foreach(_folder ${_top_folders})
  file(GLOB_RECURSE _files ${ROOT_DIR}/${_folder}/*)
  foreach(_file ${_files})
    get_filename_component(_name ${_file} NAME)
    list(APPEND _names ${_name})
  endforeach()
endforeach()
file(GLOB _files RELATIVE ${ROOT_DIR} ${ROOT_DIR}/*)
list(APPEND _names ${_files})
list(REMOVE_DUPLICATES _names)

# True in `out` when `path` (relative to `base`) is there, globs matched.
function(_exists base path out)
  set(${out} FALSE PARENT_SCOPE)
  foreach(_try ${path} ${path}.h ${path}.cpp)
    if(_try MATCHES "[*?]")
      file(GLOB _found ${base}/${_try})
    elseif(EXISTS ${base}/${_try})
      set(_found ${_try})
    else()
      set(_found)
    endif()
    if(_found)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# In `out`, what the first group of `pattern` holds in each match in `text`.
function(_inner_parts text pattern out)
  string(REGEX MATCHALL "${pattern}" _matches "${text}")
  set(_parts)
  foreach(_match ${_matches})
    string(REGEX REPLACE "^${pattern}$" "\\1" _part "${_match}")
    list(APPEND _parts "${_part}")
  endforeach()
  set(${out} ${_parts} PARENT_SCOPE)
endfunction()

# In `out`, a link's target (`kind` link, read from `doc_dir`) or a word in
# backquotes (`kind` word) as it is reported when it is not there, else "":
# also "" for what is no path of the tree (a web address, a pattern).
function(_missing_path doc_dir kind part out)
  set(${out} "" PARENT_SCOPE)
  if(kind STREQUAL "link")
    string(REGEX REPLACE "#.*$" "" _path "${part}")
    if(_path STREQUAL "" OR _path MATCHES "^[a-z]+:")
      return()
    endif()
    _exists(${doc_dir} ${_path} _ok)
  else()
    string(REGEX REPLACE "/$" "" _path "${part}")
    if(_path MATCHES "[<>{}\"'$]" OR _path MATCHES "^(/|\\./|\\.\\./)")
      return()
    endif()
    if(_path MATCHES "/")
      string(REGEX REPLACE "/.*$" "" _first "${_path}")
      if(_first IN_LIST _top_folders)
        _exists(${ROOT_DIR} ${_path} _ok)
      elseif(_first IN_LIST _src_folders)
        _exists(${ROOT_DIR}/src ${_path} _ok)
      else()
        return()
      endif()
    elseif(_path MATCHES "^[A-Za-z0-9_*.-]+\\.(h|cpp|inc|cmake|sh|py)$")
      if(_path MATCHES "\\*")
        string(REPLACE "." "\\." _pattern "${_path}")
        string(REPLACE "*" ".*" _pattern "${_pattern}")
        set(_ok FALSE)
        foreach(_name ${_names})
          if(_name MATCHES "^${_pattern}$")
            set(_ok TRUE)
            break()
          endif()
        endforeach()
      elseif(_path IN_LIST _names)
        set(_ok TRUE)
      else()
        set(_ok FALSE)
      endif()
    else()
      return()
    endif()
  endif()
  if(NOT _ok)
    set(${out} ${_path} PARENT_SCOPE)
  endif()
endfunction()

set(_missing)
file(GLOB _docs ${ROOT_DIR}/docs/*.md)
foreach(_doc ${ROOT_DIR}/README.md ${_docs})
  file(RELATIVE_PATH _doc_name ${ROOT_DIR} ${_doc})
  get_filename_component(_doc_dir ${_doc} DIRECTORY)
  file(READ ${_doc} _text)
  # List separators and brackets would split or join the words below.
  string(REGEX REPLACE "[;\\\\]" " " _text "${_text}")
  string(REPLACE "[" "<" _text "${_text}")
  string(REPLACE "]" ">" _text "${_text}")

  _inner_parts("${_text}" ">\\(([^) \n]+)\\)" _links)
  _inner_parts("${_text}" "`([^` \n]+)`" _words)
  foreach(_kind link word)
    foreach(_part ${_${_kind}s})
      _missing_path(${_doc_dir} ${_kind} ${_part} _path)
      if(_path)
        list(APPEND _missing "${_doc_name}: ${_path}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_missing)
  list(REMOVE_DUPLICATES _missing)
  list(JOIN _missing "\n  " _report)
  message(FATAL_ERROR "Paths the docs name that are not in the tree:\n  ${_report}")
endif()
