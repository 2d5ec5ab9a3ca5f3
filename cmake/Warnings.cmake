# Common warning flags for every target of the project.
function(norvane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic)
    if(NORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Qt-side hygiene: no implicit conversions from char*, no connects without a context object.
function(norvane_qt_hygiene target)
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)
endfunction()
