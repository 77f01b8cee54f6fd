# cmake -DHELP2MAN=... -DGZIP=... -DPROGRAM=... -DNAME="what it is" -DINCLUDE=x.h2m -DOUT=x.1.gz -P make-man.cmake
# A man page from the program's own --help and --version (help2man), with
# the sections INCLUDE adds. A program with subcommands (its help lists
# them under "Subcommands:") gets a COMMANDS section made of each one's own
# --help, so the page says what the installed program does.
cmake_minimum_required(VERSION 3.25)

get_filename_component(out_dir ${OUT} DIRECTORY)
get_filename_component(page_name ${OUT} NAME_WE)
set(work ${out_dir}/${page_name}.work)
file(MAKE_DIRECTORY ${work})

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${result})")
endif()

# roff: a backslash is \e, and a line must not start with a dot or a quote.
function(roff_lines out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The top help's last paragraph (the help's footer, such as the exit statuses)
# is repeated by every command's help; the page says it once.
string(STRIP "${help}" footer)
string(REGEX REPLACE ".*\n\n" "" footer "${footer}")
get_filename_component(program_name ${PROGRAM} NAME)

file(READ ${INCLUDE} sections)
set(commands)
string(FIND "${help}" "\nSubcommands:\n" at)
if(NOT at EQUAL -1)
  string(SUBSTRING "${help}" ${at} -1 listing)
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listing}")
  string(APPEND commands "[COMMANDS]\n")
  foreach(name ${names})
    string(STRIP "${name}" name)
    execute_process(COMMAND ${PROGRAM} ${name} --help OUTPUT_VARIABLE sub RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "${PROGRAM} ${name} --help failed (${result})")
    endif()
    string(REGEX MATCH "Usage: [^\n]*" usage "${sub}")
    string(REPLACE "Usage: " "" usage "${usage}")
    # What the command does is the help's first line; the rest after the
    # usage line lists its arguments and options.
    string(REGEX MATCH "^[^\n]*" summary "${sub}")
    string(FIND "${sub}" "${usage}" usage_at)
    string(LENGTH "${usage}" usage_length)
    math(EXPR rest_at "${usage_at} + ${usage_length}")
    string(SUBSTRING "${sub}" ${rest_at} -1 details)
    string(REPLACE "${footer}" "" details "${details}")
    string(STRIP "${details}" details)
    string(REPLACE "${PROGRAM}" "${program_name}" usage "${usage}")
    roff_lines(summary "${summary}")
    roff_lines(details "${details}")
    roff_lines(usage "${usage}")
    string(APPEND commands ".SS ${name}\n.B ${usage}\n.PP\n${summary}\n.PP\n.nf\n${details}\n.fi\n")
  endforeach()
endif()
file(WRITE ${work}/include.h2m "${commands}${sections}")

execute_process(COMMAND ${HELP2MAN} --no-info --section=1 "--name=${NAME}" --include=${work}/include.h2m
                        --output=${work}/${page_name}.1 ${PROGRAM}
                RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${PROGRAM}: ${error}")
endif()
# -n: no name or time stamp in the header, so the same page compresses to
# the same bytes.
execute_process(COMMAND ${GZIP} -9n -c ${work}/${page_name}.1 OUTPUT_FILE ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${OUT}")
endif()
