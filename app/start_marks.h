// Points of the start-up that the bench times in a build of its own; in the game's build they
// compile to nothing.
#pragma once

#ifdef BLASTMAP_START_MARKS
// Notes the moment the program passes the named point (bench/probes/start_marks.cpp).
void blastmapStartMark(const char* point);
#define BLASTMAP_START_MARK(point) blastmapStartMark(point)
#else
#define BLASTMAP_START_MARK(point) static_cast<void>(0)
#endif
