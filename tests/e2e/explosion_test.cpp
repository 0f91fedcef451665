// A press on bare map: the explosion's three pictures in turn, centred on the press.
#include "tests/e2e/game_checks.h"
#include "tests/e2e/game_test.h"

namespace e2e {
namespace {

using ExplosionTest = GameTest;

TEST_F(ExplosionTest, APressOnBareMapShowsExplosionOneTwoOneCentredOnItThenTheBareMapAgain)
{
    checkBareMapPressExplodesCentredOnIt(game());
}

} // namespace
} // namespace e2e
