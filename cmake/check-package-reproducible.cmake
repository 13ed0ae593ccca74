# Builds the program a second time, in another folder, and makes the Debian
# package from both builds with the same SOURCE_DATE_EPOCH: the two must be
# the same byte for byte.
# Expects CPACK, SOURCE_DIR, BUILD_DIR, BUILD_TYPE, TARGETS (comma-separated) and OUT.

include(${CMAKE_CURRENT_LIST_DIR}/run.cmake)

file(REMOVE_RECURSE ${OUT})
set(rebuild ${OUT}/elsewhere/build)
run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${rebuild} -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DBUILD_TESTING=OFF)
string(REPLACE "," ";" TARGETS "${TARGETS}")
run(${CMAKE_COMMAND} --build ${rebuild} --target ${TARGETS})

# Not the release's date, to see that the variable is heeded.
set(ENV{SOURCE_DATE_EPOCH} 1700000000)
set(hashes)
foreach(build ${BUILD_DIR} ${rebuild})
    list(LENGTH hashes n)
    run(sh -c "umask 022 && exec \"$0\" -G DEB --config \"$1\" -B \"$2\""
        ${CPACK} ${build}/CPackConfig.cmake ${OUT}/package${n})
    file(GLOB deb ${OUT}/package${n}/*.deb)
    file(SHA256 ${deb} hash)
    list(APPEND hashes ${hash})
    list(APPEND debs ${deb})
endforeach()
list(GET hashes 0 first)
list(GET hashes 1 second)
message(STATUS "${first}  ${debs}")
if(NOT first STREQUAL second)
    message(FATAL_ERROR "the two packages differ:\n${hashes}\n${debs}")
endif()
