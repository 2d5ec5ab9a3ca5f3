# Builds a MIME database from the package alone, as update-mime-database does
# on installation, and checks the COBOL file names it maps; skipped when
# shared-mime-info is not installed.
#   PACKAGE     the shared-mime-info package (XML)
#   DESKTOP     the desktop entry, whose MimeType must name the package's types
#   WORK_DIR    a scratch folder
cmake_minimum_required(VERSION 3.21)

find_program(update update-mime-database)
if(NOT update)
    message("update-mime-database is not installed: skipped")
    return()
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/mime/packages")
file(COPY_FILE "${PACKAGE}" "${WORK_DIR}/mime/packages/norvane.xml")
execute_process(COMMAND "${update}" "${WORK_DIR}/mime" RESULT_VARIABLE code OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "update-mime-database failed:\n${output}")
endif()
file(READ "${WORK_DIR}/mime/globs2" globs)
file(READ "${WORK_DIR}/mime/subclasses" subclasses)
file(READ "${DESKTOP}" desktop)

set(failures)
foreach(line "text/x-cobol:*.cbl\n" "text/x-cobol:*.cob\n" "text/x-cobol-copybook:*.cpy\n")
    string(FIND "${globs}" "${line}" at)
    if(at EQUAL -1)
        list(APPEND failures "no glob ${line}")
    endif()
endforeach()
# Globs without case-sensitive="true" match any case: *.cbl covers PAYROLL.CBL.
string(FIND "${globs}" ":cs" at)
if(NOT at EQUAL -1)
    list(APPEND failures "a case-sensitive glob would leave upper-case names out")
endif()
string(FIND "${subclasses}" "text/x-cobol-copybook text/x-cobol\n" at)
if(at EQUAL -1)
    list(APPEND failures "a copybook is not a kind of COBOL source")
endif()
string(FIND "${desktop}" "\nMimeType=text/x-cobol;text/x-cobol-copybook;\n" at)
if(at EQUAL -1)
    list(APPEND failures "the desktop entry does not open both types")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The MIME package ${PACKAGE}:\n  ${text}\n--- globs2:\n${globs}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
