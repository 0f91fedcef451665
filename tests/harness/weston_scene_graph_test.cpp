// The toplevels read from a scene graph as Weston 10 prints it, with the views around them that
// are not toplevels, titles and app ids of every kind and each way an opaque region is told.
#include "harness/weston_scene_graph.h"

#include <gtest/gtest.h>

namespace harness {
namespace {

constexpr const char* kSceneGraph = R"(Weston scene graph at 6821.554651532:

Output 0 (screen0):
	position: (0, 0) -> (1024, 768)
	mode: 1024x768@60.000Hz

Layer 1 (pos 0xfffffffe):
	View 0 (role wl_pointer-cursor, PID 15321, surface ID 26, cursor, 0x55f2da4707c0):
		position: (635, 507) -> (667, 539)
		[not opaque]

Layer 5 (pos 0x50000000):
	View 0 (role xdg_toplevel, PID 15329, surface ID 25, top-level window 'Box' of bed, 0x55f2da4715f0):
		position: (328, 238) -> (699, 343)
		[opaque: (331, 268) -> (696, 340)]
		outputs: 0 (screen0) (primary)
	View 1 (role xdg_toplevel, PID 15329, surface ID 16, top-level window 'It's mine, of course' of org.example.App, 0x55f2da470a30):
		position: (-4, -30) -> (404, 331)
		[opaque: (-1, 0) -> (401, 328)]
	View 2 (role xdg_toplevel, PID 7, surface ID 40, top-level window, (nil)):
		position: (311, 220) -> (713, 548)
		[fully opaque]
	View 3 (role xdg_toplevel, PID 7, surface ID 41, top-level window 'untitled', 0x1):
		position: (0, 0) -> (10, 10)
		[not opaque]

Layer 6 (pos 0x2):
	View 0 (role (null), PID 15321, surface ID 17, background for output screen0, 0x55f2da46ac30):
		position: (0, 0) -> (1024, 768)
		[opaque: (0, 0) -> (1, 1)]
)";

TEST(WestonSceneGraph, ListsTheToplevelsTopmostFirstWithTheirTitlesIdsSurfacesAndOpaqueRegions)
{
    const std::vector<WestonToplevel> toplevels = parseToplevels(kSceneGraph);
    ASSERT_EQ(toplevels.size(), 4u);

    EXPECT_EQ(toplevels[0].title, "Box");
    EXPECT_EQ(toplevels[0].appId, "bed");
    EXPECT_EQ(toplevels[0].pid, 15329);
    EXPECT_EQ(toplevels[0].surfaceId, 25u);
    EXPECT_EQ(toplevels[0].surface, QRect(328, 238, 371, 105));
    EXPECT_EQ(toplevels[0].opaque, QRect(331, 268, 365, 72));

    // A title with a quote and a comma, partly off the output.
    EXPECT_EQ(toplevels[1].title, "It's mine, of course");
    EXPECT_EQ(toplevels[1].appId, "org.example.App");
    EXPECT_EQ(toplevels[1].surfaceId, 16u);
    EXPECT_EQ(toplevels[1].surface, QRect(-4, -30, 408, 361));
    EXPECT_EQ(toplevels[1].opaque, QRect(-1, 0, 402, 328));

    // No title and no app id: a full-screen window without a title bar, opaque all over.
    EXPECT_EQ(toplevels[2].title, "");
    EXPECT_EQ(toplevels[2].appId, "");
    EXPECT_EQ(toplevels[2].pid, 7);
    EXPECT_EQ(toplevels[2].opaque, QRect(311, 220, 402, 328));

    EXPECT_EQ(toplevels[3].title, "untitled");
    EXPECT_TRUE(toplevels[3].opaque.isEmpty());
}

} // namespace
} // namespace harness
