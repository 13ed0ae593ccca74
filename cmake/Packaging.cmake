# The Debian package, made by scripts/package.sh. Its library dependencies
# come from dpkg-shlibdeps; the font the windows are laid out for is only
# looked up at run time, so it is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlora)
set(CPACK_PACKAGE_VENDOR "The Tavlora developers")
set(CPACK_PACKAGE_CONTACT "${TAVLORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resistor colour code calculator, bands to value and back (Turkish)")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavlora turns the four colour bands of a resistor into its value and\n"
    "paints the resistor with the chosen bands, and turns a typed value back\n"
    "into colour bands. Every caption is Turkish.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/tavlora)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)

include(CPack)

if(BUILD_TESTING)
    add_test(NAME debian_package
        COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -DOUT=${PROJECT_BINARY_DIR}/package-check
            -P ${CMAKE_CURRENT_LIST_DIR}/check-debian-package.cmake)
endif()
