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
# Qt's own texts in Turkish, and Wayland without going through XWayland.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

# The same release gives the same package: its files are dated by the
# release unless SOURCE_DATE_EPOCH says otherwise, and its folders' modes do
# not depend on the umask of whoever builds it.
set(CPACK_TAVLORA_RELEASE_EPOCH ${TAVLORA_RELEASE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-date.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)

if(BUILD_TESTING)
    add_test(NAME debian_package
        COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -DOUT=${PROJECT_BINARY_DIR}/package-check
            -P ${CMAKE_CURRENT_LIST_DIR}/check-debian-package.cmake)
endif()

# Judged as Debian judges packages, and built twice to the same bytes. Only
# for the hardened build: the sanitizer build is neither meant nor fit to ship.
if(BUILD_TESTING AND TAVLORA_HARDENED)
    add_test(NAME debian_package_hardening
        COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
            -DOUT=${PROJECT_BINARY_DIR}/package-hardening
            -DPROGRAM_SOURCE=${PROJECT_SOURCE_DIR}/src/startup.cpp
            -P ${CMAKE_CURRENT_LIST_DIR}/check-package-hardening.cmake)
    add_test(NAME debian_package_reproducible
        COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
            -DBUILD_DIR=${PROJECT_BINARY_DIR} -DBUILD_TYPE=${CMAKE_BUILD_TYPE}
            -DTARGETS=tavlora,tavlora_icon_pngs,tavlora_docs
            -DOUT=${PROJECT_BINARY_DIR}/package-reproducible
            -P ${CMAKE_CURRENT_LIST_DIR}/check-package-reproducible.cmake)
    set_tests_properties(debian_package_reproducible PROPERTIES TIMEOUT 3600)
endif()
