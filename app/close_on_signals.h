// SIGTERM, SIGHUP and SIGINT close the window as the window manager's close button does, so
// that the program ends the same way whoever asks, with status 0.
#pragma once

class QWidget;

namespace app {

// Catches the three signals from construction on, but for any that is ignored at that moment.
// The handler only writes a byte into a pipe, which is all that is safe there; the window is
// closed on the user-interface thread when the event loop reads it, also from the nested loop
// of an open message box. A signal that comes before closeOnSignal() waits in the pipe. One at
// a time: the handler has one pipe.
class SignalCloser {
public:
    SignalCloser();
    SignalCloser(const SignalCloser&) = delete;
    SignalCloser& operator=(const SignalCloser&) = delete;
    // Gives the signals their default action back before the pipe goes.
    ~SignalCloser();

    // Closes the window once a signal has come. What watches the pipe belongs to the window
    // and goes with it.
    void closeOnSignal(QWidget* window);

private:
    int m_readEnd = -1;
    int m_writeEnd = -1;
    unsigned m_caught = 0; // a bit for each signal number caught
};

} // namespace app
