// The mouse goes to the control drawn under the pointer, at any scale factor.
#pragma once

#include <QObject>

namespace platform {

// The logical pixel that Qt paints over a device pixel of a window drawn at `scale` device
// pixels to the logical one: logical pixel L covers the device pixels from round(L × scale) up
// to round((L + 1) × scale), halves rounded up.
int logicalPixelDrawnAt(int devicePixel, double scale);

// Watches a top-level window's mouse events. Qt picks the control under the pointer, and tells
// it where the pointer is, by rounding the position to the nearest logical pixel; at a scale
// factor such as 1.5, and on every other device pixel at 2, that is the next logical pixel over
// from the one drawn there, so that a press on a control's last device column reached whatever
// lies beside it. The watcher hands the window the event again at the logical pixel drawn under the
// pointer. Where the two agree, which at scale 1 is everywhere, the event passes untouched.
class DrawnPixelPointer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QEvent* m_resent = nullptr; // the copy on its way to the window, which passes untouched
};

} // namespace platform
