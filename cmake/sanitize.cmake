# -DTAVLORA_SANITIZE=ON: everything built with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; undefined behaviour ends the
# program, so a test that meets it fails.
option(TAVLORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# What every test's environment gets on top of its own.
set(TAVLORA_TEST_ENVIRONMENT "")

if(TAVLORA_SANITIZE)
    set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
                       -fno-omit-frame-pointer)
    add_compile_options(${sanitize_flags})
    add_link_options(${sanitize_flags})
    set(TAVLORA_TEST_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

# -DTAVLORA_FUZZ=ON (with clang): the project's sources instrumented for
# libFuzzer as well, and the fuzz targets added.
option(TAVLORA_FUZZ "Build the fuzz targets; needs clang" OFF)

if(TAVLORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TAVLORA_FUZZ needs clang: configure with CXX=clang++-14")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
