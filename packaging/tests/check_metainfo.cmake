# Validates the AppStream metadata strictly and holds its categories and keywords to the desktop
# entry's (cmake -P, with APPSTREAMCLI, METAINFO and DESKTOP given).
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

# Both spell the categories and keywords that packaging/CMakeLists.txt lists, each in its own
# form: a fault in either spelling shows as the two parting, or as an empty list.
file(READ "${METAINFO}" metainfo)
file(READ "${DESKTOP}" desktop)
foreach(tag category keyword)
    string(REGEX MATCHALL "<${tag}>[^<]*</${tag}>" listed "${metainfo}")
    string(REGEX REPLACE "</?${tag}>" "" listed "${listed}")
    set(key Categories)
    if(tag STREQUAL "keyword")
        set(key Keywords)
    endif()
    string(REGEX MATCH "\n${key}=([^\n]*);\n" line "${desktop}")
    set(entry "${CMAKE_MATCH_1}")
    if(NOT listed STREQUAL entry)
        message(SEND_ERROR "the metadata's ${tag} list '${listed}' is not the entry's '${entry}'")
    elseif(listed STREQUAL "")
        message(SEND_ERROR "neither the metadata nor the entry lists a ${tag}")
    endif()
endforeach()
