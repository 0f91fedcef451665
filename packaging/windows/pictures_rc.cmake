# blastmap_write_pictures_rc(<list> <assets> <output>): writes the Windows resource script that
# embeds the pictures of <list> (scene/pictures.def) from the folder <assets>, each as raw data
# named by its file name. An icon goes in also as an icon, which Windows draws at any size and
# shows as the program's own, and as a cursor of the same name from the picture generator's
# .cur of the same pixels beside it, which a design may name as its pointer.
function(blastmap_write_pictures_rc list assets output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${list}")
    file(STRINGS "${list}" rows REGEX "^PICTURE")
    set(script "// Written by CMake from ${list}: the embedded pictures.\n")
    foreach(row IN LISTS rows)
        if(NOT row MATCHES "^PICTURE\\([A-Za-z0-9]+, \"([^\"]+)\"\\)$")
            message(FATAL_ERROR "${list}: a picture in a form CMake cannot read: ${row}")
        endif()
        set(file "${CMAKE_MATCH_1}")
        # A resource's name stands bare: the resource compiler would join a quoted name to the
        # file name before it. Bare, it must not look like a number.
        if(NOT file MATCHES "^[A-Za-z][A-Za-z0-9_.]*$")
            message(FATAL_ERROR "${list}: ${file} cannot name a Windows resource")
        endif()
        string(APPEND script "${file} RCDATA \"${assets}/${file}\"\n")
        if(file MATCHES "^(.*)\\.ico$")
            set(cursor "${assets}/${CMAKE_MATCH_1}.cur")
            if(NOT EXISTS "${cursor}")
                message(FATAL_ERROR "${file} has no cursor ${cursor}: redraw the pictures")
            endif()
            string(APPEND script "${file} ICON \"${assets}/${file}\"\n")
            string(APPEND script "${file} CURSOR \"${cursor}\"\n")
        endif()
    endforeach()
    if(NOT rows)
        message(FATAL_ERROR "${list} names no picture")
    endif()
    file(CONFIGURE OUTPUT "${output}" CONTENT "${script}" @ONLY)
endfunction()
