# Builds the Debian package with CPack into SCRATCH, reads its control fields and contents back,
# starts the packed program, and runs lintian on it, which must report no error (cmake -P, with
# CPACK, CONFIG, SCRATCH, VERSION, DPKG_DEB and LINTIAN given).
foreach(tool DPKG_DEB LINTIAN)
    if(NOT EXISTS "${${tool}}")
        message(FATAL_ERROR "${tool} not found: run scripts/install-deps")
    endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${CONFIG}" -B "${SCRATCH}"
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB packages "${SCRATCH}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages: ${packages}")
endif()
get_filename_component(name "${packages}" NAME)
if(NOT name MATCHES "^blastmap_${VERSION}_[a-z0-9]+\\.deb$")
    message(SEND_ERROR "the package is named ${name}")
endif()
message(STATUS "package: ${name}")

function(field name pattern)
    execute_process(COMMAND "${DPKG_DEB}" --field "${packages}" ${name}
        OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
    message(STATUS "${name}: ${value}")
    if(NOT value MATCHES "${pattern}")
        message(SEND_ERROR "${name} is '${value}', which does not match '${pattern}'")
    endif()
endfunction()
string(REPLACE "." "\\." version "${VERSION}")
field(Package "^blastmap$")
field(Version "^${version}$")
field(Section "^games$")
field(Maintainer "^[^<]+ <[^@>]+@[^>]+>$")
# Computed by dpkg-shlibdeps from what the program links.
field(Depends "(^|, )libc6 \\(>= [^)]+\\)(,|$).*libqt6widgets6 \\(>= [^)]+\\)")
field(Recommends "^qt6-wayland$")
field(Description "^[a-z].*\n .")

execute_process(COMMAND "${DPKG_DEB}" --contents "${packages}" OUTPUT_VARIABLE contents)
foreach(entry
        "-rwxr-xr-x root/root +[0-9]+ [-0-9]+ [:0-9]+ ./usr/games/blastmap\n"
        " ./usr/share/applications/org.example.Blastmap.desktop\n"
        " ./usr/share/metainfo/org.example.Blastmap.metainfo.xml\n"
        " ./usr/share/icons/hicolor/48x48/apps/org.example.Blastmap.png\n"
        " ./usr/share/man/man6/blastmap.6.gz\n"
        " ./usr/share/doc/blastmap/copyright\n")
    if(NOT contents MATCHES "${entry}")
        message(SEND_ERROR "the package lacks${entry}")
    endif()
endforeach()

# The changelog's newest entry is this version; Debian's tools read the version from it.
execute_process(COMMAND "${DPKG_DEB}" --extract "${packages}" "${SCRATCH}/root")
execute_process(COMMAND gzip -dc "${SCRATCH}/root/usr/share/doc/blastmap/changelog.gz"
    OUTPUT_VARIABLE changelog RESULT_VARIABLE result)
string(REGEX MATCH "^[^\n]*" newest "${changelog}")
if(NOT result EQUAL 0 OR NOT newest MATCHES "^blastmap \\(${version}\\) ")
    message(SEND_ERROR "the changelog's newest entry is '${newest}', not ${VERSION}")
endif()

# So is the metadata's newest release, the first of its history.
file(READ "${SCRATCH}/root/usr/share/metainfo/org.example.Blastmap.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"[^\"]*\"" newest "${metainfo}")
if(NOT newest STREQUAL "<release version=\"${VERSION}\"")
    message(SEND_ERROR "the metadata's newest release is '${newest}', not ${VERSION}")
endif()

# The packed, stripped program must still load its libraries and run until stopped.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        timeout 3 "${SCRATCH}/root/usr/games/blastmap"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 124)
    message(SEND_ERROR "the packed program ended by itself (${result}) instead of running:\n"
                       "${output}")
endif()

execute_process(COMMAND "${LINTIAN}" --fail-on error "${packages}"
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
message(STATUS "lintian (${result}):\n${report}")
if(NOT result EQUAL 0 OR report MATCHES "(^|\n)E: ")
    message(FATAL_ERROR "lintian reports errors on ${name}")
endif()
