# Writes the Windows version resource for VERSION into OUTPUT and fails unless it is exactly the
# EXPECTED text (cmake -P).
include(${CMAKE_CURRENT_LIST_DIR}/../version_resource.cmake)
file(REMOVE "${OUTPUT}")
blastmap_version_resource(VERSION "${VERSION}" OUTPUT "${OUTPUT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUTPUT}" "${EXPECTED}"
    RESULT_VARIABLE different)
if(different)
    file(READ "${OUTPUT}" text)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}:\n${text}")
endif()
message(STATUS "the version resource reads as expected")
