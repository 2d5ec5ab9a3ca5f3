# Sanitizer builds. NORVANE_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; NORVANE_FUZZ does the same with libFuzzer's
# coverage on top and adds the fuzz targets (clang only). Either way the first
# report ends the program, and the standard library checks its indexes, so a
# fault never goes by as a mere message.
if(NOT NORVANE_SANITIZE AND NOT NORVANE_FUZZ)
    return()
endif()

set(norvane_sanitizers address,undefined)
add_compile_options(-fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_definitions(_GLIBCXX_ASSERTIONS)
if(NORVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "NORVANE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # The fuzz targets link libFuzzer themselves (see fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link,${norvane_sanitizers})
else()
    add_compile_options(-fsanitize=${norvane_sanitizers})
endif()
add_link_options(-fsanitize=${norvane_sanitizers})
