# Read by cpack as it makes the package: the package's files get the
# release's date when SOURCE_DATE_EPOCH does not name another.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TAVLORA_RELEASE_EPOCH})
endif()
