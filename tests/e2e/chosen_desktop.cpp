// Reads the desktop's name and its settings from the environment.
#include "tests/e2e/chosen_desktop.h"

#include "harness/wine_desktop.h"
#include "harness/x_desktop.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace e2e {
namespace {

enum class Kind { PlainX, Wine };

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

Kind chosenKind()
{
    const std::string name = variable("BLASTMAP_E2E_DESKTOP");
    if (name.empty() || name == "x")
        return Kind::PlainX;
    if (name == "wine")
        return Kind::Wine;
    throw std::runtime_error("BLASTMAP_E2E_DESKTOP names no desktop the tests know: " + name);
}

// The runner beside the tests and a prefix in the build folder, unless the environment names
// others.
harness::WineDesktop::Setup wineSetup()
{
    const std::string runner = variable("BLASTMAP_E2E_WINE_RUNNER");
    const std::string prefix = variable("BLASTMAP_E2E_WINE_PREFIX");
    return {.runner = runner.empty() ? BLASTMAP_WINE_RUNNER : runner,
            .templatePrefix = prefix.empty() ? BLASTMAP_WINE_PREFIX : prefix};
}

} // namespace

std::unique_ptr<harness::Desktop> startChosenDesktop(QSize screen)
{
    if (chosenKind() == Kind::Wine)
        return std::make_unique<harness::WineDesktop>(screen, wineSetup());
    return std::make_unique<harness::XDesktop>(screen);
}

harness::DesktopTraits chosenDesktopTraits()
{
    return chosenKind() == Kind::Wine ? harness::WineDesktop::kTraits : harness::DesktopTraits{};
}

} // namespace e2e
