# trailcfg-cli.exe as it ships, under Wine (or natively): a file made in a
# folder with a Chinese name, a Chinese text given on the command line, and
# both read back as UTF-8 from the program's output.
#
#   cmake -DEMULATOR=<wine-run.sh or empty> -DPROGRAM=<trailcfg-cli.exe> -DWORK=<scratch> -P cli_program.cmake
cmake_minimum_required(VERSION 3.25)

# Wine reads the command line in the locale's encoding; the program's own
# arguments are UTF-8 here, as on any current Linux desktop.
set(ENV{LC_ALL} C.UTF-8)

file(REMOVE_RECURSE ${WORK})
set(_folder "相机 一号")
file(MAKE_DIRECTORY "${WORK}/${_folder}")

# Relative paths only: an absolute path starts with "/", which a Windows
# program's option parser may take for an option.
function(run expect_status)
  execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expect_status)
    message(FATAL_ERROR "trailcfg-cli ${ARGN}: status ${status}, not ${expect_status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect_in text what)
  string(FIND "${out}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${what}: \"${text}\" is not in the output:\n${out}")
  endif()
endfunction()

run(0 new cfg --dir "${_folder}")
expect_in("wrote ${_folder}" "the Chinese folder, printed as UTF-8")
file(SIZE "${WORK}/${_folder}/CFG.BIN" size)
if(NOT size EQUAL 1320)
  message(FATAL_ERROR "CFG.BIN in the Chinese folder has ${size} bytes, not 1320")
endif()

# Close 3G: Generate's checks ask nothing of the rest.
run(0 set "${_folder}/CFG.BIN" bySendBy=0 "sSmtpSet.szUserName=野外相机")
run(0 export "${_folder}/CFG.BIN")
expect_in("\"sSmtpSet.szUserName\":\"野外相机\"" "the Chinese argument, exported as UTF-8")

run(0 new menu --dir "${_folder}")
run(0 show "${_folder}/menu.dat" --lang zh)
expect_in("模式: " "the Chinese explanation, printed as UTF-8")
