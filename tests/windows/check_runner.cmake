# Runs a Windows program through the runner as the tests do: its exit status and both outputs
# must come through, or a failing test would pass and GoogleTest would find no tests to run; and
# a crash must fail the run at once, not leave it waiting on a dialog for a press. Wine ends a
# crashed program with status 0 now and then, hence the crash three times.
# -DRUNNER=<the runner's command, a list> -DPROBE=<run_probe.exe>
cmake_minimum_required(VERSION 3.25)

# arguments | status, or "nonzero" | standard output | standard error
set(cases
    "0|0|run_probe: on standard output|run_probe: on standard error"
    "3|3|run_probe: on standard output|run_probe: on standard error"
    "raise|nonzero||Unhandled exception"
    "raise|nonzero||Unhandled exception"
    "raise|nonzero||Unhandled exception"
)
set(failures "")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 arguments)
    list(GET fields 1 expected_status)
    list(GET fields 2 expected_output)
    list(GET fields 3 expected_errors)
    execute_process(COMMAND ${RUNNER} ${PROBE} ${arguments}
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
    set(run "run_probe ${arguments}")
    if(status MATCHES "timeout")
        string(APPEND failures "${run} did not end within 60 s (a dialog waiting?)\n")
    elseif(expected_status STREQUAL "nonzero" AND status STREQUAL "0")
        string(APPEND failures "${run} exited with status 0, not a failure\n")
    elseif(NOT expected_status STREQUAL "nonzero" AND NOT status STREQUAL expected_status)
        string(APPEND failures "${run} exited with status ${status}, not ${expected_status}\n")
    endif()
    if(NOT output MATCHES "${expected_output}")
        string(APPEND failures "${run} wrote on standard output [${output}], "
            "not [${expected_output}]\n")
    endif()
    if(NOT errors MATCHES "${expected_errors}")
        string(APPEND failures "${run} wrote on standard error [${errors}], "
            "not [${expected_errors}]\n")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
