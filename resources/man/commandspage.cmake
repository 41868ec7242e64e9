# Writes quillon(1) from its template: @QUILLON_COMMANDS@ becomes one entry per command that
# `quillon --help` lists. Called with -DQUILLON=<tool> -DTEMPLATE=<in> -DOUTPUT=<out> and the
# template's other variables (PROJECT_VERSION, QUILLON_FULL_DATADIR).
execute_process(COMMAND ${QUILLON} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${QUILLON} --help failed: ${result}")
endif()
# Brackets would join list items in CMake, and semicolons split them: both travel as
# placeholders until a line is written out.
string(REPLACE "[" "<lb>" help "${help}")
string(REPLACE "]" "<rb>" help "${help}")
string(REPLACE ";" "<sc>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(QUILLON_COMMANDS "")
foreach(line IN LISTS lines)
    # "  quillon NAME USAGE": the program's own lines (COMMAND, --version) are in OPTIONS.
    if(NOT line MATCHES "^  quillon ([a-z][a-z0-9-]*)(.*)$")
        continue()
    endif()
    set(name "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" usage)
    # roff: a backslash is written twice, a minus sign as \-.
    string(REPLACE "\\" "\\\\" usage "${usage}")
    string(REPLACE "-" "\\-" usage "${usage}")
    string(REPLACE "<lb>" "[" usage "${usage}")
    string(REPLACE "<rb>" "]" usage "${usage}")
    string(REPLACE "<sc>" ";" usage "${usage}")
    if(usage STREQUAL "")
        set(usage "(no arguments)")
    endif()
    # \& keeps a line that starts with '.' or "'" from being read as a request.
    string(APPEND QUILLON_COMMANDS ".TP\n.B quillon ${name}\n\\&${usage}\n")
endforeach()
if(QUILLON_COMMANDS STREQUAL "")
    message(FATAL_ERROR "${QUILLON} --help listed no command")
endif()
string(STRIP "${QUILLON_COMMANDS}" QUILLON_COMMANDS)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
