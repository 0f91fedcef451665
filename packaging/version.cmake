# The program's name, version and id, from project(VERSION) and BLASTMAP_APP_ID alone:
# blastmap_version_text() gives the four-part form, and blastmap_version_header() writes the
# header that the program, its credits and the Windows version resource include. Also read by
# cmake -P scripts.
#
# The version record gives the version as major.minor.revision with the minor in two digits and
# the revision in four: 1.2.2 is "1.02.0002", and FILEVERSION 1,2,0,2.

# blastmap_version_text(<version> <out-var>): "1.2.2" -> "1.02.0002".
function(blastmap_version_text version out)
    _blastmap_version_parts("${version}")
    _blastmap_pad("${minor}" 2 minor)
    _blastmap_pad("${patch}" 4 patch)
    set(${out} "${major}.${minor}.${patch}" PARENT_SCOPE)
endfunction()

# blastmap_version_numbers(<version> <out-var>): "1.2.2" -> "1,2,0,2", the resource's numbers.
function(blastmap_version_numbers version out)
    _blastmap_version_parts("${version}")
    set(${out} "${major},${minor},0,${patch}" PARENT_SCOPE)
endfunction()

# blastmap_version_header(<name> <version> <app-id> <folder>): writes
# <folder>/blastmap/version.h.
function(blastmap_version_header name version app_id folder)
    set(PROJECT_NAME "${name}")
    set(PROJECT_VERSION "${version}")
    set(BLASTMAP_APP_ID "${app_id}")
    blastmap_version_text("${version}" BLASTMAP_VERSION_TEXT)
    blastmap_version_numbers("${version}" BLASTMAP_VERSION_NUMBERS)
    configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.h.in"
                   "${folder}/blastmap/version.h" @ONLY)
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

# Left-pads a number with zeros to <width> digits.
function(_blastmap_pad number width out)
    string(LENGTH "${number}" length)
    math(EXPR missing "${width} - ${length}")
    if(missing GREATER 0)
        string(REPEAT "0" ${missing} zeros)
        set(number "${zeros}${number}")
    endif()
    set(${out} "${number}" PARENT_SCOPE)
endfunction()
