# Lints the manual page with mandoc and with man-db's groff run as lintian does it; any message
# fails (cmake -P, with MANDOC, MAN and PAGE given).
foreach(tool MANDOC MAN)
    if(NOT EXISTS "${${tool}}")
        message(FATAL_ERROR "${tool} not found: run scripts/install-deps")
    endif()
endforeach()

execute_process(COMMAND "${MANDOC}" -T lint -W warning "${PAGE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output)
    message(FATAL_ERROR "mandoc -T lint (${result}):\n${output}")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
        "${MAN}" --warnings -E UTF-8 -l -Tutf8 -Z "${PAGE}"
    RESULT_VARIABLE result OUTPUT_VARIABLE rendered ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output)
    message(FATAL_ERROR "man --warnings (${result}):\n${output}")
endif()
if(NOT rendered MATCHES "blastmap")
    message(FATAL_ERROR "man rendered nothing of the page")
endif()
message(STATUS "the manual page lints clean")
