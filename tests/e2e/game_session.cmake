# The built game run on a desktop, and its window read in the scene's terms, with no test
# framework: the real-window tests build on it and the bench plays the game through it, so the
# top level includes this file whenever either is built.
add_library(blastmap_game_session STATIC
    ${CMAKE_CURRENT_LIST_DIR}/chosen_desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_session.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_view.cpp
)
target_include_directories(blastmap_game_session PUBLIC ${PROJECT_SOURCE_DIR})
# scene brings the game's embedded pictures, which a capture is compared with.
target_link_libraries(blastmap_game_session PUBLIC blastmap_harness scene Qt6::Gui
    PRIVATE blastmap_warnings)
target_compile_definitions(blastmap_game_session PRIVATE
    BLASTMAP_EXECUTABLE="$<TARGET_FILE:blastmap>"
    # Under wine, the runner and the prefix that the first game has it make for the others to
    # copy.
    BLASTMAP_WINE_RUNNER="${PROJECT_SOURCE_DIR}/scripts/wine-run"
    BLASTMAP_WINE_PREFIX="${PROJECT_BINARY_DIR}/wine-prefix")
# A session runs the real program: build it first.
add_dependencies(blastmap_game_session blastmap)
