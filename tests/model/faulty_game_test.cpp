// The long random game with property accesses failing at random inside handlers: the game
// plays on, an abandoned handler changes nothing after its failure point, and every invariant
// that does not rest on the abandoned step still holds.
#include "long_game.h"

using testing_support::LongGame;

class FaultyGame : public LongGame {};

TEST_F(FaultyGame, AbandonedHandlersChangeNothingMoreAndTheGamePlaysOn)
{
    SCOPED_TRACE("replay with BLASTMAP_GAME_SEED=" + std::to_string(seed()));
    injectFaults(0.02);
    const long events = testing_support::eventsFromEnvironment(100000) / 5;
    const long played = play(events);
    EXPECT_EQ(played, events) << "stopped at the first broken invariant";
    EXPECT_EQ(faults()->accessesAfterFailure(), 0);
    EXPECT_FALSE(faults()->insideHandler()) << "a handler never ended";
    if (events >= 10000) {
        EXPECT_GT(faults()->faults(), 100);
    }
    std::printf("played %ld events with %d failed accesses, seed %u\n", played, faults()->faults(),
                seed());
}
