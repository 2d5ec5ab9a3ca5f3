# Installs the build into an empty prefix, as "cmake --install" does for a
# user, and checks that the installed programs, the desktop files and the
# documents are where the desktop and the program itself look for them.
#   BUILD_DIR   the build folder
#   PREFIX      the prefix to install into (emptied first)
#   VERSION     the project's version
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()
# The programs report their folder with links resolved.
file(REAL_PATH "${PREFIX}" PREFIX)

set(failures)
function(expect_file path)
    if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
        set(failures ${failures} "missing ${path}" PARENT_SCOPE)
    endif()
endfunction()
function(expect_some pattern)
    file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/${pattern}")
    if(NOT found)
        set(failures ${failures} "nothing matches ${pattern}" PARENT_SCOPE)
    endif()
endfunction()

expect_file(bin/norvane)
expect_file(bin/norvane-cli)
expect_file(share/norvane/readme.txt)
expect_file(share/norvane/help/manual.html)
expect_some(share/applications/*.desktop)
expect_some(share/icons/hicolor/scalable/apps/norvane.svg)
expect_some(share/icons/hicolor/*/apps/norvane.png)
expect_some(share/mime/packages/*.xml)
expect_some(share/metainfo/*.metainfo.xml)
expect_some(share/man/man1/norvane-cli.1*)
expect_some(share/man/man1/norvane.1*)
# Nothing of the build folder's layout leaks into the installed one.
foreach(stray bin/readme.txt bin/help)
    if(EXISTS "${PREFIX}/${stray}")
        list(APPEND failures "${stray} is installed beside the program")
    endif()
endforeach()

# The installed programs answer without a display, and the editor finds its
# manual in the installed data folder.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
if(EXISTS "${PREFIX}/bin/norvane")
    execute_process(COMMAND "${PREFIX}/bin/norvane" --help RESULT_VARIABLE code OUTPUT_VARIABLE output
                    ERROR_VARIABLE error TIMEOUT 30)
    set(manual "Manual: ${PREFIX}/share/norvane/help/manual.html\n")
    string(FIND "${output}" "${manual}" at)
    if(NOT code EQUAL 0 OR at EQUAL -1)
        list(APPEND failures "the installed norvane --help does not name ${manual}(exit ${code}):\n${output}${error}")
    endif()
    execute_process(COMMAND "${PREFIX}/bin/norvane" --version RESULT_VARIABLE code OUTPUT_VARIABLE output
                    TIMEOUT 30)
    if(NOT code EQUAL 0 OR NOT output STREQUAL "Norvane ${VERSION}\n")
        list(APPEND failures "the installed norvane --version says \"${output}\" (exit ${code})")
    endif()
endif()
if(EXISTS "${PREFIX}/bin/norvane-cli")
    execute_process(COMMAND "${PREFIX}/bin/norvane-cli" --version RESULT_VARIABLE code OUTPUT_VARIABLE output
                    TIMEOUT 30)
    if(NOT code EQUAL 0 OR NOT output STREQUAL "norvane-cli ${VERSION}\n")
        list(APPEND failures "the installed norvane-cli --version says \"${output}\" (exit ${code})")
    endif()
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "The installed layout in ${PREFIX} is not right:\n  ${text}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
