// Reads the view lines of Weston's scene graph with regular expressions, one view at a time.
#include "harness/weston_scene_graph.h"

#include "utf8/qt_string.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace harness {
namespace {

// "\tView 0 (role xdg_toplevel, PID 15329, surface ID 25, top-level window 'Box' of bed, 0x55f2):"
const QRegularExpression kView(
    QStringLiteral(R"(^\tView \d+ \(role ([^,]*), PID (\d+), surface ID (\d+), (.*), [^,]+\):$)"));
// The desktop shells' label: "top-level window 'TITLE' of APP_ID", both parts optional.
const QRegularExpression kLabel(QStringLiteral(R"(^top-level window(?: '(.*)')?(?: of (.*))?$)"));
const QRegularExpression
    kPosition(QStringLiteral(R"(^\t\tposition: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)$)"));
const QRegularExpression
    kOpaque(QStringLiteral(R"(^\t\t\[opaque: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)\]$)"));

QRect box(const QRegularExpressionMatch& match)
{
    const int x0 = match.captured(1).toInt();
    const int y0 = match.captured(2).toInt();
    return {x0, y0, match.captured(3).toInt() - x0, match.captured(4).toInt() - y0};
}

} // namespace

std::vector<WestonToplevel> parseToplevels(std::string_view sceneGraph)
{
    std::vector<WestonToplevel> toplevels;
    // Whether the lines that follow describe a toplevel's view.
    bool inToplevel = false;
    const QString text = utf8::toQString(sceneGraph);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch view = kView.match(line); view.hasMatch()) {
            const QRegularExpressionMatch label = kLabel.match(view.captured(4));
            inToplevel = view.captured(1) == QLatin1String("xdg_toplevel") && label.hasMatch();
            if (inToplevel) {
                WestonToplevel& toplevel = toplevels.emplace_back();
                toplevel.title = label.captured(1).toStdString();
                toplevel.appId = label.captured(2).toStdString();
                toplevel.pid = static_cast<pid_t>(view.captured(2).toLong());
                toplevel.surfaceId = view.captured(3).toULong();
            }
        } else if (!line.startsWith(QLatin1String("\t\t"))) {
            inToplevel = false;
        } else if (!inToplevel) {
            continue;
        } else if (const QRegularExpressionMatch position = kPosition.match(line);
                   position.hasMatch()) {
            toplevels.back().surface = box(position);
        } else if (const QRegularExpressionMatch opaque = kOpaque.match(line); opaque.hasMatch()) {
            toplevels.back().opaque = box(opaque);
        } else if (line == QLatin1String("\t\t[fully opaque]")) {
            toplevels.back().opaque = toplevels.back().surface;
        }
    }
    return toplevels;
}

} // namespace harness
