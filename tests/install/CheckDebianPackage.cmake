# Makes the Debian package from the build, as scripts/package.sh does, and
# checks its name, its contents and that its dependencies were found;
# skipped where the Debian tools are not installed.
#   BUILD_DIR   the build folder (holds CPackConfig.cmake)
#   WORK_DIR    a scratch folder
#   VERSION     the project's version
cmake_minimum_required(VERSION 3.21)

find_program(dpkg_deb dpkg-deb)
find_program(shlibdeps dpkg-shlibdeps)
find_program(cpack cpack HINTS "${CMAKE_COMMAND}/..")
if(NOT dpkg_deb OR NOT shlibdeps OR NOT cpack)
    message("dpkg-deb, dpkg-shlibdeps (dpkg-dev) or cpack is not installed: skipped")
    return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND "${cpack}" -G DEB -B "${WORK_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake"
                WORKING_DIRECTORY "${BUILD_DIR}" RESULT_VARIABLE code OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${WORK_DIR}/norvane_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
    file(GLOB made "${WORK_DIR}/*.deb")
    message(FATAL_ERROR "no ${deb}; cpack made: ${made}")
endif()

execute_process(COMMAND "${dpkg_deb}" --contents "${deb}" OUTPUT_VARIABLE contents RESULT_VARIABLE code)
execute_process(COMMAND "${dpkg_deb}" --field "${deb}" Depends Section OUTPUT_VARIABLE fields)
set(failures)
foreach(path ./usr/bin/norvane ./usr/bin/norvane-cli ./usr/share/norvane/help/manual.html
             ./usr/share/norvane/readme.txt ./usr/share/applications/ ./usr/share/mime/packages/norvane.xml
             ./usr/share/icons/hicolor/scalable/apps/norvane.svg ./usr/share/man/man1/norvane-cli.1)
    string(FIND "${contents}" " ${path}" at)
    if(at EQUAL -1)
        list(APPEND failures "the package lacks ${path}")
    endif()
endforeach()
foreach(dependency libqt6widgets6 libqt6svg6 libc6)
    string(FIND "${fields}" "${dependency}" at)
    if(at EQUAL -1)
        list(APPEND failures "the package does not depend on ${dependency}")
    endif()
endforeach()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "${deb}:\n  ${text}\n--- fields:\n${fields}--- contents:\n${contents}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
