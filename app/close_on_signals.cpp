#include "app/close_on_signals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace app {
namespace {

constexpr std::array kSignals = {SIGTERM, SIGHUP, SIGINT};

volatile std::sig_atomic_t s_writeEnd = -1;

extern "C" void noteSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // The pipe does not block: when it is full, a close is already on its way.
    if (write(s_writeEnd, &byte, 1) < 0) {
    }
    errno = savedErrno;
}

void setAction(int number, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // System calls that the signal interrupts elsewhere in the program carry on.
    action.sa_flags = SA_RESTART;
    sigaction(number, &action, nullptr);
}

bool ignored(int number)
{
    struct sigaction current {};
    return sigaction(number, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

SignalCloser::SignalCloser()
{
    if (s_writeEnd != -1)
        throw std::logic_error("only one SignalCloser at a time");
    int ends[2];
    // Without a pipe the signals keep their default action, which ends the game all the same.
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    s_writeEnd = m_writeEnd;
    for (int number : kSignals) {
        // A signal ignored when the program starts stays ignored: whoever started it asked for
        // that, as nohup does for SIGHUP.
        if (ignored(number))
            continue;
        setAction(number, noteSignal);
        m_caught |= 1u << number;
    }
}

SignalCloser::~SignalCloser()
{
    if (m_readEnd == -1)
        return;
    for (int number : kSignals)
        if (m_caught & (1u << number))
            setAction(number, SIG_DFL);
    s_writeEnd = -1;
    close(m_readEnd);
    close(m_writeEnd);
}

void SignalCloser::closeOnSignal(QWidget* window)
{
    if (m_readEnd == -1)
        return;
    auto* notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [this, window] {
        char bytes[64];
        while (read(m_readEnd, bytes, sizeof bytes) > 0) {
        }
        window->close();
    });
}

} // namespace app

#else

namespace app {

// Windows sends a windowed program none of these signals: its close reaches the window as the
// close button's does.
SignalCloser::SignalCloser() = default;
SignalCloser::~SignalCloser() = default;
void SignalCloser::closeOnSignal(QWidget*) {}

} // namespace app

#endif
