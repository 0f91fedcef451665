// A Form1 shown on the offscreen platform, driven by real Qt mouse and key events.
#pragma once

#include "platform/qt/qt_front_end.h"
#include "support/form1_fixture.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testing_support {

class ShownForm1Test : public Form1Test {
protected:
    ShownForm1Test()
    {
        form->show();
        QApplication::setActiveWindow(platform::qt::windowOf(*form));
        // On a real X display with no window manager, only the window's own request gives it
        // the focus.
        platform::qt::windowOf(*form)->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(platform::qt::windowOf(*form)));
    }

    QWindow* window() const { return platform::qt::windowOf(*form)->windowHandle(); }

    // Points are in pixels of the client area, 15 twips each. Every press needs its release:
    // Qt takes a press of a button it believes held for a move.
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(window(), button, Qt::NoModifier, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(window(), button, Qt::NoModifier, at);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        press(at, button);
        release(at, button);
    }
    void moveTo(QPoint at) { QTest::mouseMove(window(), at); }
    void key(Qt::Key key) { QTest::keyClick(window(), key); }
    std::string focused() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : std::string("(none)");
    }
};

} // namespace testing_support
