// The long random game played clean: every invariant holds after every event.
#include "long_game.h"

using testing_support::LongGame;

TEST_F(LongGame, EveryInvariantHoldsAfterEveryEvent)
{
    SCOPED_TRACE("replay with BLASTMAP_GAME_SEED=" + std::to_string(seed()));
    const long events = testing_support::eventsFromEnvironment(100000);
    const long played = play(events);
    EXPECT_EQ(played, events) << "stopped at the first broken invariant";
    if (events >= 10000) { // a game this long has hits
        EXPECT_GT(boxes().shown().size(), 0u);
    }
    std::printf("played %ld events, %zu boxes, seed %u\n", played, boxes().shown().size(), seed());
}
