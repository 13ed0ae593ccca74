# Builds the Debian package into a scratch folder and checks that it brings
# what the program needs on a fresh system, and the files the desktop uses.
# Expects CPACK, BUILD_DIR and OUT.

file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed: ${status}\n${output}")
endif()
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${OUT}, found ${count}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Depends
    RESULT_VARIABLE status OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --field failed: ${status}")
endif()
# The Qt libraries come from the program's own links; the font and Qt's
# translations by hand.
foreach(package libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation qt6-translations-l10n)
    if(NOT depends MATCHES "(^|, )${package}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${debs}
    RESULT_VARIABLE status OUTPUT_VARIABLE contents)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --contents failed: ${status}")
endif()
foreach(path
        ./usr/bin/tavlora
        ./usr/share/applications/org.example.Tavlora.desktop
        ./usr/share/metainfo/org.example.Tavlora.metainfo.xml
        ./usr/share/icons/hicolor/scalable/apps/org.example.Tavlora.svg
        ./usr/share/icons/hicolor/48x48/apps/org.example.Tavlora.png
        ./usr/share/icons/hicolor/256x256/apps/org.example.Tavlora.png
        ./usr/share/bash-completion/completions/tavlora)
    string(FIND "${contents}" " ${path}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks ${path}:\n${contents}")
    endif()
endforeach()
