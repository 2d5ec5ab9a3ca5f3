# Runs a checking tool over a file and fails on any complaint; when the tool
# is not installed the test says so and is counted as skipped.
#   TOOL        the tool's name
#   ARGUMENTS   its options, separated by '|'
#   FILE        the file to check
#   SILENT      ON: any output at all is a complaint (hints included)
cmake_minimum_required(VERSION 3.21)

find_program(tool_path "${TOOL}")
if(NOT tool_path)
    message("${TOOL} is not installed: skipped")
    return()
endif()
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(COMMAND "${tool_path}" ${arguments} "${FILE}"
                RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE error TIMEOUT 60)
if(NOT code EQUAL 0 OR NOT error STREQUAL "" OR (SILENT AND NOT output STREQUAL ""))
    message(FATAL_ERROR "${TOOL} ${FILE} (exit ${code}):\n${output}${error}")
endif()
message("${output}")
