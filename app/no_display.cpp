#include "app/no_display.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace app {
namespace {

constexpr const char* kNoDisplay = "blastmap: no display could be opened; name one in DISPLAY or "
                                   "WAYLAND_DISPLAY, or with -display NAME\n";

// A message as Qt gave it; the context's texts are copied, as they need not outlive the call.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// Qt may speak from its own threads while it connects.
std::mutex s_mutex;
std::vector<HeldMessage> s_held;
QtMessageHandler s_previous = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::lock_guard lock(s_mutex);
        if (qEnvironmentVariableIntValue("QT_DEBUG_PLUGINS") > 0) {
            s_held.push_back({type, "", 0, "", context.category ? context.category : "", text});
            for (const HeldMessage& held : s_held) {
                const QMessageLogContext copy(nullptr, 0, nullptr, orNull(held.category));
                std::fprintf(stderr, "%s\n",
                             qPrintable(qFormatLogMessage(held.type, copy, held.text)));
            }
        }
        std::fputs(kNoDisplay, stderr);
        // Nothing of the half-started application is worth tearing down.
        std::_Exit(1);
    }
    std::lock_guard lock(s_mutex);
    s_held.push_back({type, context.file ? context.file : "", context.line,
                      context.function ? context.function : "",
                      context.category ? context.category : "", text});
}

} // namespace

NoDisplayExit::NoDisplayExit() { s_previous = qInstallMessageHandler(holdMessage); }

NoDisplayExit::~NoDisplayExit() { release(); }

void NoDisplayExit::release()
{
    if (std::exchange(m_released, true))
        return;
    qInstallMessageHandler(s_previous);
    std::vector<HeldMessage> held;
    {
        std::lock_guard lock(s_mutex);
        held.swap(s_held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(orNull(message.file), message.line,
                                         orNull(message.function), orNull(message.category));
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace app
