// The player's mouse, faked through XTest on the probe's own connection to the X server.
#pragma once

#include <QPoint>

namespace bench {

class XPointer {
public:
    // Connects to the display that Qt uses; exits with a message if it has no XTest.
    XPointer();
    XPointer(const XPointer&) = delete;
    XPointer& operator=(const XPointer&) = delete;
    ~XPointer();

    void moveTo(QPoint global);
    void press();
    void release();
    void click();

private:
    void* m_display = nullptr;
};

} // namespace bench
