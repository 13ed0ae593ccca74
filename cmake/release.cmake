# The release being built, as CHANGELOG.md names it at the top: its version
# must be the project's, and its date dates the manual pages and, unless
# SOURCE_DATE_EPOCH says otherwise, the package's files. Sets
# TAVLORA_RELEASE_DATE (YYYY-MM-DD) and TAVLORA_RELEASE_EPOCH (seconds).
include(${CMAKE_CURRENT_LIST_DIR}/date.cmake)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md)
file(STRINGS ${PROJECT_SOURCE_DIR}/CHANGELOG.md release REGEX "^## " LIMIT_COUNT 1)
if(NOT release MATCHES "^## ([0-9.]+) - ([0-9-]+)$")
    message(FATAL_ERROR "CHANGELOG.md: the first entry must begin '## VERSION - YYYY-MM-DD', "
                        "not '${release}'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "CHANGELOG.md begins with ${CMAKE_MATCH_1}, the project is "
                        "${PROJECT_VERSION}: add the new version's entry at the top")
endif()
set(TAVLORA_RELEASE_DATE ${CMAKE_MATCH_2})
days_since_epoch(${TAVLORA_RELEASE_DATE} days)
math(EXPR TAVLORA_RELEASE_EPOCH "${days} * 86400")

# Software centres show the newest release of the AppStream data.
set(metainfo ${PROJECT_SOURCE_DIR}/data/org.example.Tavlora.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})
file(STRINGS ${metainfo} newest REGEX "<release " LIMIT_COUNT 1)
if(NOT newest MATCHES "version=\"${PROJECT_VERSION}\" date=\"${TAVLORA_RELEASE_DATE}\"")
    message(FATAL_ERROR "${metainfo}: the newest release must be ${PROJECT_VERSION} of "
                        "${TAVLORA_RELEASE_DATE}, as in CHANGELOG.md, not: ${newest}")
endif()
