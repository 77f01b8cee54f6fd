# cmake -DSTRIP=... -DPROGRAM=trailcfg.exe -DLIMIT=bytes -P check-size.cmake
# Fails when the program, stripped as the package strips it, is larger than
# LIMIT bytes: a dialog program or a file tool with no dependencies has no
# reason to grow beyond it, and a change that makes it does should say so.
cmake_minimum_required(VERSION 3.25)
get_filename_component(name ${PROGRAM} NAME_WE)
set(stripped ${CMAKE_CURRENT_BINARY_DIR}/${name}-stripped-for-size.exe)
execute_process(COMMAND ${STRIP} -o ${stripped} ${PROGRAM} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${STRIP} cannot strip ${PROGRAM}")
endif()
file(SIZE ${stripped} size)
file(REMOVE ${stripped})
message(STATUS "${PROGRAM}: ${size} bytes stripped (limit ${LIMIT})")
if(size GREATER LIMIT)
  message(FATAL_ERROR "${PROGRAM} is ${size} bytes stripped, more than ${LIMIT}")
endif()
