# The Windows build inside a Linux one (BLASTMAP_BUILD_WINDOWS): cross-built with mingw-w64 in
# <build>/windows whenever this build is built, and its tests, which run under wine, run by this
# build's ctest beside the Linux ones (label windows).
include(ExternalProject)

set(BLASTMAP_WINDOWS_BINARY_DIR ${PROJECT_BINARY_DIR}/windows)
set(BLASTMAP_WINDOWS_EXECUTABLE ${BLASTMAP_WINDOWS_BINARY_DIR}/app/win32/blastmap.exe)
# How a Linux test runs a program of the Windows build (which the target windows builds): this
# command, then the program. Such a test wants the fixture wine_server, as the Windows build's own
# tests do.
set(BLASTMAP_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run
    --prefix ${BLASTMAP_WINDOWS_BINARY_DIR}/wine-prefix)

ExternalProject_Add(windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${BLASTMAP_WINDOWS_BINARY_DIR}
    # ExternalProject's own steps and stamps, out of the way.
    PREFIX ${PROJECT_BINARY_DIR}/CMakeFiles/windows-build
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
        -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
        -DBLASTMAP_BUILD_TESTS=${BLASTMAP_BUILD_TESTS}
        -DBLASTMAP_WARNINGS_AS_ERRORS=${BLASTMAP_WARNINGS_AS_ERRORS}
        -DBLASTMAP_BUILD_BENCH=${BLASTMAP_BUILD_BENCH}
    # Its own build tool knows what changed in the sources; this one cannot see into it.
    BUILD_ALWAYS ON
    # Named so that this build's rules may depend on it.
    BUILD_BYPRODUCTS ${BLASTMAP_WINDOWS_EXECUTABLE}
    INSTALL_COMMAND ""
    USES_TERMINAL_CONFIGURE ON
    USES_TERMINAL_BUILD ON)

if(BLASTMAP_BUILD_TESTS)
    set(windows_tests ${PROJECT_BINARY_DIR}/windows_tests.cmake)
    file(WRITE ${windows_tests} "subdirs(\"${BLASTMAP_WINDOWS_BINARY_DIR}\")\n")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES ${windows_tests})
endif()
