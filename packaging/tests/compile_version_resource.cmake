# Compiles the generated Windows version resource with binutils' windres, reads the binary
# resource back as text and checks its fields (cmake -P, with VERSION, OUTPUT, WINDRES and
# PREPROCESSOR, a C preprocessor that takes -E, given).
if(NOT EXISTS "${WINDRES}")
    message(FATAL_ERROR "x86_64-w64-mingw32-windres not found: run scripts/install-deps")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../version_resource.cmake)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(REMOVE_RECURSE "${folder}")
blastmap_version_resource(VERSION "${VERSION}" OUTPUT "${OUTPUT}")

# Without a MinGW compiler installed, windres is told to preprocess with ours.
execute_process(
    COMMAND "${WINDRES}" "--preprocessor=${PREPROCESSOR}" --preprocessor-arg=-E
        --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED
        -i "${OUTPUT}" -o "${folder}/blastmap.res"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres could not compile ${OUTPUT}:\n${errors}")
endif()
execute_process(COMMAND "${WINDRES}" -i "${folder}/blastmap.res" -O rc
    RESULT_VARIABLE result OUTPUT_VARIABLE resource ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres could not read back the resource:\n${errors}")
endif()

blastmap_version_text("${VERSION}" text)
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" parts "${VERSION}")
set(numbers "${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, 0, ${CMAKE_MATCH_3}")
set(expected
    "\n1 VERSIONINFO\n"
    " FILEVERSION ${numbers}\n"
    " PRODUCTVERSION ${numbers}\n"
    " FILETYPE 0x1\n"
    "VALUE \"FileVersion\", \"${text}\"\n"
    "VALUE \"ProductVersion\", \"${text}\"\n"
    "VALUE \"ProductName\", \"Blastmap\"\n"
    "VALUE \"InternalName\", \"Blastmap\"\n"
    "VALUE \"OriginalFilename\", \"blastmap.exe\"\n"
    "VALUE \"Translation\", 0x409, 1200\n")
foreach(line IN LISTS expected)
    string(FIND "${resource}" "${line}" at)
    if(at EQUAL -1)
        string(STRIP "${line}" line)
        message(SEND_ERROR "the compiled resource lacks: ${line}")
    endif()
endforeach()
message(STATUS "windres compiled the version resource:\n${resource}")
