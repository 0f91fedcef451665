// The texts the window shows.
#pragma once

#include <string_view>

namespace scene {

inline constexpr std::string_view kCaption = "Blastmap";

inline constexpr std::string_view kInstructions =
    "Pretty simple, really: Click the infamous tyrant when he pops up. A difficulty control is "
    "on the lower left of the game. Click 'Instructions' again when finished.";

inline constexpr std::string_view kTargetHitText =
    "Congratulations, you got him! Press Ok to play again.";
inline constexpr std::string_view kCivilianHitText =
    "What's your problem? You just blew up an innocent civilian!";

// Sixteen lines, each ending with a carriage return and a line feed.
inline constexpr std::string_view kCredits = "      Blastmap Version 1.2.2   \r\n"
                                             "Written, programmed, produced\r\n"
                                             "and published by Alex Example\r\n"
                                             "of Example Studio.\r\n"
                                             "Special thanks to my father,\r\n"
                                             "who taught me the art of\r\n"
                                             "programming.\r\n"
                                             "Thanks to you for playing,\r\n"
                                             "and to all of my friends\r\n"
                                             "who encouraged me and helped\r\n"
                                             "make this program what it\r\n"
                                             "is today.\r\n"
                                             "Coming soon to Blastmap:\r\n"
                                             "the Night Raid level!\r\n"
                                             "Send questions and comments to\r\n"
                                             "alex@example.org\r\n";

} // namespace scene
