// The desktop that a game runs on when its test names none: plain X, unless the environment
// names another with BLASTMAP_E2E_DESKTOP, so that one test binary checks the game on each.
#pragma once

#include "harness/desktop.h"

#include <QSize>
#include <memory>

namespace e2e {

// Starts the desktop the environment names: "x" (or nothing) for plain X, "wine" for wine on
// plain X, where BLASTMAP_E2E_WINE_RUNNER and BLASTMAP_E2E_WINE_PREFIX may name another runner
// and another prefix to copy than the build's. Throws std::runtime_error for any other name.
std::unique_ptr<harness::Desktop> startChosenDesktop(QSize screen);
// What that desktop offers, known without starting it.
harness::DesktopTraits chosenDesktopTraits();

} // namespace e2e
