// The game's own command line: --help and --version, answered before any display is needed,
// and the arguments that neither the game nor Qt knows.
#pragma once

#include <optional>

namespace app {

// Answers -h/--help or -v/--version, whichever comes first, on standard output and returns the
// exit status; returns nothing when the command line asks neither.
std::optional<int> answerInformationOptions(int argc, char** argv);

// To be called before QApplication: an argument that is none of Qt's standard options (those
// of QGuiApplication, QApplication and the X11 and Wayland platforms) is reported as
// rejectLeftoverArguments does, whether or not a display can be opened. Returns nothing when
// every argument may be Qt's.
std::optional<int> rejectArgumentsUnknownToQt(int argc, char** argv);

// To be called once QApplication has taken out of argv the options that Qt and its platform
// plugin know: whatever is left is reported on standard error with a pointer to --help, and
// the exit status of a usage error is returned. Returns nothing when nothing is left.
std::optional<int> rejectLeftoverArguments(int argc, char** argv);

} // namespace app
