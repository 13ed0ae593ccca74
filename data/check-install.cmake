# Installs the build into a scratch prefix and checks that everything is where
# the desktop looks for it: the program, its launcher, its icon at every size,
# its AppStream data and its bash completion, and that these name each other
# correctly.
# Expects BUILD_DIR, PREFIX and APP_ID.

function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    fail("cmake --install failed: ${status}")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(hicolor ${PREFIX}/share/icons/hicolor)
foreach(path
        ${PREFIX}/bin/tavlora
        ${desktop}
        ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
        ${hicolor}/scalable/apps/${APP_ID}.svg
        ${PREFIX}/share/doc/tavlora/copyright
        ${PREFIX}/share/bash-completion/completions/tavlora)
    if(NOT EXISTS ${path})
        fail("not installed: ${path}")
    endif()
endforeach()

# bash-completion sources the file by the command's name; it must parse.
execute_process(COMMAND bash -n ${PREFIX}/share/bash-completion/completions/tavlora
    RESULT_VARIABLE status ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    fail("the installed bash completion does not parse: ${output}")
endif()

# The theme's folder promises a size; the PNG header must keep it.
foreach(size 48 256)
    set(png ${hicolor}/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${png})
        fail("not installed: ${png}")
    endif()
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 24 8 chunk)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
        fail("not a PNG: ${png}")
    endif()
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        fail("${png} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()

# The launcher must start the installed program and show the installed icon.
file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
if(NOT EXISTS ${PREFIX}/bin/${exec})
    fail("the launcher starts '${exec}', which is not installed")
endif()
if(NOT icon STREQUAL APP_ID)
    fail("the launcher shows icon '${icon}', but the icon is installed as '${APP_ID}'")
endif()

# AppStream's own look at the installed tree: the metainfo file, its
# launchable desktop entry and the icon together.
execute_process(COMMAND appstreamcli validate-tree --no-net ${PREFIX}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR output MATCHES "[Ww]arning|[Ee]rror")
    fail("appstreamcli validate-tree: ${status}\n${output}")
endif()
