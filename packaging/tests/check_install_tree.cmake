# Installs the build under PREFIX and fails unless it holds exactly the files listed in EXPECTED,
# with each hicolor icon as wide and high as its folder says (cmake -P, with BUILD, PREFIX and
# EXPECTED given).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${log}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
file(STRINGS "${EXPECTED}" expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
    list(JOIN installed "\n  " installed_lines)
    message(FATAL_ERROR "the install tree differs from ${EXPECTED}; it holds:\n  ${installed_lines}")
endif()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(file IN LISTS installed)
    if(file MATCHES "^share/icons/hicolor/([0-9]+)x([0-9]+)/apps/.*\\.png$")
        file(READ "${PREFIX}/${file}" header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING "${header}" 0 8 width)
        string(SUBSTRING "${header}" 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL CMAKE_MATCH_1 OR NOT height EQUAL CMAKE_MATCH_2)
            message(SEND_ERROR "${file} is ${width} x ${height}")
        endif()
    endif()
endforeach()
list(LENGTH installed count)
message(STATUS "cmake --install put the ${count} expected files in place")
