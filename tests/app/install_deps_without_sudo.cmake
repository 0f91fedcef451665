# scripts/install-deps run by a user who is not root, on a machine without sudo and with a
# package missing: it must say what to do instead and fail, not stop on "command not found".
# -DSCRIPT=<install-deps> -DWORK=<an empty folder>
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/bin")
# Only what the script needs before it would install: no sudo, no apt-get.
file(WRITE "${WORK}/bin/id" "#!/bin/sh\necho 1000\n")
file(WRITE "${WORK}/bin/dpkg-query" "#!/bin/sh\nexit 1\n")
file(CHMOD "${WORK}/bin/id" "${WORK}/bin/dpkg-query" FILE_PERMISSIONS OWNER_READ OWNER_EXECUTE)
file(CREATE_LINK /usr/bin/grep "${WORK}/bin/grep" SYMBOLIC)
execute_process(
    COMMAND /usr/bin/env PATH=${WORK}/bin /bin/bash "${SCRIPT}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(status EQUAL 0)
    message(FATAL_ERROR "install-deps succeeded without sudo: ${out}${err}")
endif()
if(NOT err MATCHES "run this as root, or install sudo")
    message(FATAL_ERROR "install-deps did not say what to do: ${out}${err}")
endif()
if(err MATCHES "command not found")
    message(FATAL_ERROR "install-deps tried a command that is not there: ${err}")
endif()
