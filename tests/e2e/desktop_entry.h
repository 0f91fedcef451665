// The game's desktop entry as the build installs it: what desktops match the running window to.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace e2e {

// The entry's file name without ".desktop", which a Wayland window gives as its app id.
inline std::string desktopEntryId()
{
    return std::filesystem::path(BLASTMAP_DESKTOP_ENTRY).stem().string();
}

// The value of one of the entry's keys; empty if it has none.
inline std::string desktopEntryValue(const std::string& key)
{
    std::ifstream entry(BLASTMAP_DESKTOP_ENTRY);
    for (std::string line; std::getline(entry, line);)
        if (line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    return {};
}

} // namespace e2e
