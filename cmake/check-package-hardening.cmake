# Judges the Debian package as Debian would: lintian (pedantic, with its
# informational tags) must find no error and no warning, and the program must
# carry Debian's hardening: PIE, RELRO, BIND_NOW, the stack protector,
# _FORTIFY_SOURCE, and no .comment section.
# Expects CPACK, BUILD_DIR, OUT and PROGRAM_SOURCE (a source file of the program).

include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

file(REMOVE_RECURSE ${OUT})
run(sh -c "umask 022 && exec \"$0\" -G DEB --config \"$1\" -B \"$2\""
    ${CPACK} ${BUILD_DIR}/CPackConfig.cmake ${OUT})
file(GLOB deb ${OUT}/*.deb)

run(lintian --pedantic --display-info ${deb})
message(STATUS "lintian:\n${output}")
if(output MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian reports errors or warnings")
endif()

run(dpkg-deb -x ${deb} ${OUT}/tree)
set(program ${OUT}/tree/usr/bin/tavlora)
run(readelf -W --file-header --program-headers --dynamic --section-headers --dyn-syms ${program})
foreach(check
        "Type: +DYN /PIE, position-independent code"
        "GNU_RELRO/RELRO"
        "\\(FLAGS\\) +BIND_NOW/BIND_NOW"
        "__stack_chk_fail/the stack protector")
    string(REPLACE "/" ";" check "${check}")
    list(GET check 0 pattern)
    list(GET check 1 name)
    if(NOT output MATCHES "${pattern}")
        message(FATAL_ERROR "the packaged program lacks ${name}")
    endif()
endforeach()
if(output MATCHES "\\] \\.comment ")
    message(FATAL_ERROR "the packaged program has a .comment section")
endif()

# Whether _FORTIFY_SOURCE took effect shows in the binary only where a call
# has a checked form; the compile commands show it for every source.
file(READ ${BUILD_DIR}/compile_commands.json commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    string(JSON file GET "${commands}" ${index} file)
    if(file STREQUAL PROGRAM_SOURCE)
        string(JSON command GET "${commands}" ${index} command)
    endif()
endforeach()
foreach(flag -D_FORTIFY_SOURCE=2 -fstack-protector-strong -O2)
    if(NOT command MATCHES " ${flag} ")
        message(FATAL_ERROR "${PROGRAM_SOURCE} is compiled without ${flag}: ${command}")
    endif()
endforeach()
