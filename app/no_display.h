// Turns Qt's failure to open a display into one line that says what to do, and exit status 1.
#pragma once

namespace app {

// While it lives, holds back what Qt says (construct it just before QApplication). A fatal
// message then means that no platform could be started, which for a desktop game means that
// no display could be opened: it prints one line saying so and how to name a display, and ends
// the program with status 1. QT_DEBUG_PLUGINS set to a positive number lets Qt's own messages
// through first, for whoever is looking into why.
class NoDisplayExit {
public:
    NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;
    ~NoDisplayExit();

    // Once QApplication stands: passes on what was held back, in order, to the handler that
    // was there before, and lets later messages through as usual.
    void release();

private:
    bool m_released = false;
};

} // namespace app
