# Runs the generator into a fresh folder and fails unless it writes exactly the committed files,
# each byte-for-byte the same (cmake -P, with GENERATOR, FRESH and COMMITTED given).
file(REMOVE_RECURSE "${FRESH}")
execute_process(COMMAND "${GENERATOR}" "${FRESH}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed (${result})")
endif()

file(GLOB written RELATIVE "${FRESH}" "${FRESH}/*")
file(GLOB committed RELATIVE "${COMMITTED}" "${COMMITTED}/*")
list(SORT written)
list(SORT committed)
if(NOT written)
    message(FATAL_ERROR "the generator wrote nothing")
endif()
if(NOT written STREQUAL committed)
    message(FATAL_ERROR "the generator wrote [${written}] but scene/assets holds [${committed}]")
endif()

set(different "")
foreach(name IN LISTS written)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${FRESH}/${name}"
                            "${COMMITTED}/${name}"
                    RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND different "${name}")
    endif()
endforeach()
if(different)
    message(FATAL_ERROR "scene/assets differs from the generator in: ${different}\n"
                        "Redraw them with: cmake --build <build folder> --target assets")
endif()
list(LENGTH written count)
message(STATUS "all ${count} pictures match the generator")
