// Reads the desktop's font configuration on a second thread while Qt connects to the display,
// so that the first text the window lays out finds it read instead of reading it then.
#pragma once

#include <thread>

namespace app {

class FontWarmUp {
public:
    FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;
    ~FontWarmUp();

    // Returns once the configuration is read; call it before the first widget is made, so
    // that Qt never reads it a second time alongside.
    void wait();

private:
    std::thread m_thread;
};

} // namespace app
