# Writes the Windows version resource of blastmap.exe from blastmap.rc.in (also in cmake -P).
#
# The game has always shown its version as major.minor.revision with the minor in two digits
# and the revision in four: 1.2.2 is "1.02.0002", and FILEVERSION 1,2,0,2.

# blastmap_version_text(<version> <out-var>): "1.2.2" -> "1.02.0002".
function(blastmap_version_text version out)
    _blastmap_version_parts("${version}")
    string(REPEAT "0" 2 zeros)
    string(PREPEND minor "${zeros}")
    string(LENGTH "${minor}" length)
    math(EXPR start "${length} - 2")
    string(SUBSTRING "${minor}" ${start} 2 minor)
    string(REPEAT "0" 4 zeros)
    string(PREPEND patch "${zeros}")
    string(LENGTH "${patch}" length)
    math(EXPR start "${length} - 4")
    string(SUBSTRING "${patch}" ${start} 4 patch)
    set(${out} "${major}.${minor}.${patch}" PARENT_SCOPE)
endfunction()

# blastmap_version_resource(VERSION <major.minor.patch> OUTPUT <file.rc>)
function(blastmap_version_resource)
    cmake_parse_arguments(ARG "" "VERSION;OUTPUT" "" ${ARGN})
    _blastmap_version_parts("${ARG_VERSION}")
    set(BLASTMAP_RC_VERSION "${major},${minor},0,${patch}")
    blastmap_version_text("${ARG_VERSION}" BLASTMAP_VERSION_TEXT)
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/blastmap.rc.in" "${ARG_OUTPUT}" @ONLY)
endfunction()

# Sets major, minor and patch in the caller; the text form has room for minor <= 99 and
# patch <= 9999 only.
macro(_blastmap_version_parts version)
    if(NOT "${version}" MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
        message(FATAL_ERROR "version '${version}' is not major.minor.patch")
    endif()
    set(major "${CMAKE_MATCH_1}")
    set(minor "${CMAKE_MATCH_2}")
    set(patch "${CMAKE_MATCH_3}")
    if(minor GREATER 99 OR patch GREATER 9999)
        message(FATAL_ERROR "version '${version}' does not fit the form 1.02.0002")
    endif()
endmacro()
