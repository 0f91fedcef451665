# Validates the AppStream metadata strictly and holds its keywords to the desktop entry's
# (cmake -P, with APPSTREAMCLI, METAINFO and DESKTOP given).
#
# The developer is named as AppStream 1.0 has it, <developer id><name>, which the older
# validators (Debian 12 has 0.16) do not know and report as an unknown tag, an info that
# --strict counts; AppStream 1.0 reports the older <developer_name> the same way. So an older
# validator must report that one tag and nothing else.
execute_process(COMMAND "${APPSTREAMCLI}" --version OUTPUT_VARIABLE version)
if(NOT version MATCHES "AppStream version: ([0-9]+)\\.")
    message(FATAL_ERROR "cannot tell the AppStream version from: ${version}")
endif()
set(major ${CMAKE_MATCH_1})
execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --strict "${METAINFO}"
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message(STATUS "appstreamcli ${major}.x (${result}):\n${report}")
if(major GREATER_EQUAL 1)
    if(NOT result EQUAL 0)
        message(SEND_ERROR "the metadata does not validate strictly")
    endif()
else()
    string(REGEX MATCHALL "(^|\n)[EWIP]: [^\n]*" issues "${report}")
    if(NOT issues MATCHES "^\n?I: [^\n]*: unknown-tag developer$")
        message(SEND_ERROR "beside the <developer> tag, the older validator finds: ${issues}")
    endif()
endif()

file(READ "${METAINFO}" metainfo)
string(REGEX MATCHALL "<keyword>[^<]*</keyword>" keywords "${metainfo}")
string(REGEX REPLACE "</?keyword>" "" keywords "${keywords}")
file(READ "${DESKTOP}" desktop)
string(REGEX MATCH "\nKeywords=([^\n]*);\n" line "${desktop}")
set(entry "${CMAKE_MATCH_1}")
if(NOT keywords STREQUAL entry)
    message(SEND_ERROR "the metadata's keywords '${keywords}' are not the entry's '${entry}'")
endif()
