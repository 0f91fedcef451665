# Fails unless every DLL that the executable imports is one of Windows' own. A program that
# imports a DLL of the compiler's runtime (libstdc++-6.dll, libgcc_s_seh-1.dll,
# libwinpthread-1.dll) starts only where that DLL lies beside it or on the path.
# -DOBJDUMP=<mingw-w64's objdump> -DEXECUTABLE=<the .exe> -DALLOWED=<DLL names in lower case>
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE}
    RESULT_VARIABLE status OUTPUT_VARIABLE headers ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${EXECUTABLE}: ${errors}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
# Every Windows program imports kernel32 at least: none read means the headers were misread.
if(NOT imports)
    message(FATAL_ERROR "no imported DLL read from ${EXECUTABLE}")
endif()
set(foreign "")
foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: " "" name "${import}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST ALLOWED)
        list(APPEND foreign ${name})
    endif()
endforeach()
if(foreign)
    list(JOIN foreign ", " foreign)
    message(FATAL_ERROR "${EXECUTABLE} imports DLLs that are not Windows' own: ${foreign}")
endif()
