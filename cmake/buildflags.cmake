# Debian's build flags, as dpkg-buildflags gives them with all hardening on:
# the stack protector, _FORTIFY_SOURCE, format checks, RELRO and BIND_NOW
# (and PIE, the compiler's default). The build type keeps choosing the
# optimisation and debug information; a Debug build, where _FORTIFY_SOURCE
# cannot work, and the sanitizer and fuzz builds, whose runtimes do the
# checking, go without.
option(TAVLORA_HARDENING "Build with Debian's hardening flags from dpkg-buildflags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)

if(TAVLORA_HARDENING AND DPKG_BUILDFLAGS AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug"
   AND NOT TAVLORA_SANITIZE AND NOT TAVLORA_FUZZ)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # The build type's own choice, and the path map below in place of
        # dpkg-buildflags' one for the folder it happens to run in.
        list(FILTER flags EXCLUDE REGEX "^-O|^-g$|^-ffile-prefix-map=")
        if(kind STREQUAL "LDFLAGS")
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
        string(JOIN " " TAVLORA_${kind} ${flags})
        set(TAVLORA_HARDENED ON)
    endforeach()
    message(STATUS "Debian build flags: ${TAVLORA_CPPFLAGS} ${TAVLORA_CXXFLAGS} ${TAVLORA_LDFLAGS}")
endif()

# The same program whatever folders it is built in: paths in the debug
# information (and so in the build ID) are written relative to them. The
# build folder comes last, as it may lie inside the source folder.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
