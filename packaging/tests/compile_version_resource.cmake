# Compiles the Windows version resource with binutils' windres and the generated version header,
# reads the binary resource back as text and checks its fields (cmake -P, with VERSION,
# RESOURCE, INCLUDE, SCRATCH, WINDRES and PREPROCESSOR, a C preprocessor that takes -E, given).
if(NOT EXISTS "${WINDRES}")
    message(FATAL_ERROR "x86_64-w64-mingw32-windres not found: run scripts/install-deps")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/../version.cmake)

# The four-part form itself, on versions of our own choosing.
foreach(pair "1.2.2=1.02.0002" "10.11.123=10.11.0123" "3.0.0=3.00.0000")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 given)
    list(GET pair 1 wanted)
    blastmap_version_text("${given}" text)
    if(NOT text STREQUAL wanted)
        message(SEND_ERROR "${given} reads as ${text}, not ${wanted}")
    endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
# Without a MinGW compiler installed, windres is told to preprocess with ours.
execute_process(
    COMMAND "${WINDRES}" "--preprocessor=${PREPROCESSOR}" --preprocessor-arg=-E
        --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED
        "--preprocessor-arg=-I${INCLUDE}"
        -i "${RESOURCE}" -o "${SCRATCH}/blastmap.res"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres could not compile ${RESOURCE}:\n${errors}")
endif()
execute_process(COMMAND "${WINDRES}" -i "${SCRATCH}/blastmap.res" -O rc
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
