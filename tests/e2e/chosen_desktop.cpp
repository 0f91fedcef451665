// Reads the desktop's name and its settings from the environment.
#include "tests/e2e/chosen_desktop.h"

#include "harness/wine_desktop.h"
#include "harness/x_desktop.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

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

harness::WineDesktop::Setup wineSetup()
{
    harness::WineDesktop::Setup setup;
    if (const std::string loader = variable("BLASTMAP_E2E_WINE_LOADER"); !loader.empty())
        setup.loader = {loader};
    const std::string prefix = variable("BLASTMAP_E2E_WINE_PREFIX");
    // Without one, a prefix for this user that every run shares.
    setup.templatePrefix = !prefix.empty()
                               ? std::filesystem::path(prefix)
                               : std::filesystem::temp_directory_path() /
                                     ("blastmap-wine-prefix-" + std::to_string(getuid()));
    return setup;
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
