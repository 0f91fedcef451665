// Every text the window shows or a screen reader says: the one place to change any of them.
#pragma once

#include "blastmap/version.h"

#include <string_view>

namespace scene {

inline constexpr std::string_view kCaption = BLASTMAP_NAME;

// Captions of the controls; the credits button reads "Done" while its panel is open.
inline constexpr std::string_view kCivilianCaption = "Civilian";
inline constexpr std::string_view kDifficultyCaption = "Difficulty";
inline constexpr std::string_view kInstructionsCaption = "Instructions";
inline constexpr std::string_view kCreditsCaption = "Credits!";
inline constexpr std::string_view kCreditsOpenCaption = "Done";

inline constexpr std::string_view kInstructions =
    "Pretty simple, really: Click the infamous tyrant when he pops up. A difficulty control is "
    "on the lower left of the game. Click 'Instructions' again when finished.";

// Sixteen lines, each ending with a carriage return and a line feed.
inline constexpr std::string_view kCredits =
    "      " BLASTMAP_NAME " Version " BLASTMAP_VERSION "   \r\n"
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

inline constexpr std::string_view kTargetHitText =
    "Congratulations, you got him! Press Ok to play again.";
inline constexpr std::string_view kCivilianHitText =
    "What's your problem? You just blew up an innocent civilian!";

// What a screen reader says of the window and of the controls whose own text does not say
// what they are.
inline constexpr std::string_view kWindowDescription =
    "Press the target when he pops up on the map; spare the civilians.";
inline constexpr std::string_view kMapName = "Map of Iraq";
inline constexpr std::string_view kTargetName = "Target";
inline constexpr std::string_view kTargetHitName = "Target, hit";
inline constexpr std::string_view kExplosionName = "Explosion";
inline constexpr std::string_view kCivilianName = "Civilian";
inline constexpr std::string_view kCivilianHitName = "Civilian, hit";
inline constexpr std::string_view kInstructionsName = "Instructions";
inline constexpr std::string_view kCreditsName = "Credits";
// The bar's value reads as what it means.
inline constexpr std::string_view kDifficultyName = "Difficulty, milliseconds the target stays up";
// Said when a panel opens or closes, where the screen reader would hear nothing of it.
inline constexpr std::string_view kInstructionsClosed = "Instructions closed";
inline constexpr std::string_view kCreditsShown = "Credits shown; the button now reads Done";
inline constexpr std::string_view kCreditsClosed =
    "Credits closed; the button reads Credits! again";

} // namespace scene
