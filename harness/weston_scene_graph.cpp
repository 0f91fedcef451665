// Reads the view lines of Weston's scene graph with regular expressions, one view at a time.
#include "harness/weston_scene_graph.h"

#include <regex>
#include <sstream>

namespace harness {
namespace {

// "\tView 0 (role xdg_toplevel, PID 15329, surface ID 25, top-level window 'Box' of bed, 0x55f2):"
const std::regex
    kView(R"(^\tView \d+ \(role ([^,]*), PID (\d+), surface ID (\d+), (.*), [^,]+\):$)");
// The desktop shells' label: "top-level window 'TITLE' of APP_ID", both parts optional.
const std::regex kLabel(R"(^top-level window(?: '(.*)')?(?: of .*)?$)");
const std::regex kPosition(R"(^\t\tposition: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)$)");
const std::regex kOpaque(R"(^\t\t\[opaque: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)\]$)");

QRect box(const std::smatch& match)
{
    const int x0 = std::stoi(match[1]);
    const int y0 = std::stoi(match[2]);
    return {x0, y0, std::stoi(match[3]) - x0, std::stoi(match[4]) - y0};
}

} // namespace

std::vector<WestonToplevel> parseToplevels(std::string_view sceneGraph)
{
    std::vector<WestonToplevel> toplevels;
    // Whether the lines that follow describe a toplevel's view.
    bool inToplevel = false;
    std::istringstream lines{std::string(sceneGraph)};
    std::string line;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (std::regex_match(line, match, kView)) {
            std::smatch label;
            const std::string description = match[4];
            inToplevel = match[1] == "xdg_toplevel" && std::regex_match(description, label, kLabel);
            if (inToplevel) {
                WestonToplevel& toplevel = toplevels.emplace_back();
                toplevel.title = label[1];
                toplevel.pid = static_cast<pid_t>(std::stol(match[2]));
                toplevel.surfaceId = std::stoul(match[3]);
            }
        } else if (!line.starts_with("\t\t")) {
            inToplevel = false;
        } else if (!inToplevel) {
            continue;
        } else if (std::regex_match(line, match, kPosition)) {
            toplevels.back().surface = box(match);
        } else if (std::regex_match(line, match, kOpaque)) {
            toplevels.back().opaque = box(match);
        } else if (line == "\t\t[fully opaque]") {
            toplevels.back().opaque = toplevels.back().surface;
        }
    }
    return toplevels;
}

} // namespace harness
