// Points of the start-up that the bench times in a build of its own; in the game's build they
// compile to nothing.
#pragma once

// Each point's name as the marks print it, from the one list the bench's report reads too.
namespace startPoint {
#define START_POINT(id, name, meaning) inline constexpr const char* id = name;
#include "app/start_points.def"
#undef START_POINT
} // namespace startPoint

#ifdef BLASTMAP_START_MARKS
// Notes the moment the program passes the named point (bench/probes/start_marks.cpp).
void blastmapStartMark(const char* point);
#define BLASTMAP_START_MARK(point) blastmapStartMark(startPoint::point)
#else
// Names the point all the same, so that a point missing from the list fails every build.
#define BLASTMAP_START_MARK(point) static_cast<void>(startPoint::point)
#endif
