// The real message box: its look, the timers under it, and closing the window while it is open.
#include "game/form1.h"
#include "platform/qt/qt_front_end.h"
#include "platform/qt/qt_services.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QMessageBox* openBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}

// Runs the check on the open box once it shows, from inside the box's own event loop.
// A deadline closes the box, failing the test, should it never show or the check never end.
void whenBoxOpens(std::function<bool(QMessageBox&)> check)
{
    auto* poll = new QTimer(qApp);
    auto* deadline = new QTimer(qApp);
    auto finish = [poll, deadline] {
        poll->deleteLater();
        deadline->deleteLater();
    };
    QObject::connect(poll, &QTimer::timeout, poll, [poll, check, finish] {
        if (QMessageBox* box = openBox(); box && check(*box)) {
            poll->stop();
            finish();
        }
    });
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, deadline, [poll, finish] {
        ADD_FAILURE() << "the message box did not do what was expected in time";
        poll->stop();
        if (QMessageBox* box = openBox())
            box->done(QMessageBox::Ok);
        finish();
    });
    poll->start(1);
    deadline->start(10000);
}

} // namespace

TEST(RealMessageBox, HasTheTextOneOkButtonNoIconAndTheGamesTitle)
{
    platform::QtServices services;
    whenBoxOpens([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Blastmap");
        EXPECT_EQ(box.text(), "Hello, player");
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        // A screen reader hears it as Qt's own message boxes: an alert with its text.
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&box);
        EXPECT_EQ(spoken->role(), QAccessible::AlertMessage);
        EXPECT_TRUE(spoken->text(QAccessible::Value).contains("Hello, player") ||
                    spoken->text(QAccessible::Description).contains("Hello, player") ||
                    spoken->text(QAccessible::Name).contains("Hello, player"));
        box.button(QMessageBox::Ok)->click();
        return true;
    });
    services.showMessage("Hello, player", "Blastmap");
    EXPECT_EQ(openBox(), nullptr);
}

TEST(RealMessageBox, ClosingTheBoxAnswersItAsOkDoes)
{
    platform::QtServices services;
    whenBoxOpens([](QMessageBox& box) { return box.close(); });
    services.showMessage("Close me", "Blastmap");
    EXPECT_EQ(openBox(), nullptr);
}

TEST(RealMessageBox, TimersGoOnTickingUnderIt)
{
    platform::QtServices services;
    int ticks = 0;
    auto timer = services.createTimer([&] { ++ticks; });
    timer->start(1);
    whenBoxOpens([&](QMessageBox& box) {
        if (ticks < 3)
            return false;
        box.done(QMessageBox::Ok);
        return true;
    });
    services.showMessage("Wait", "Blastmap");
    EXPECT_GE(ticks, 3);
}

TEST(RealMessageBox, ClosingTheWindowUnderAHitBoxEndsTheBoxAndAbandonsTheHandler)
{
    platform::QtServices services;
    game::Form1 form(services);
    services.setOwnerWindow(platform::qt::windowOf(form));
    bool ended = false;
    form.onUnload = [&] { ended = true; };
    form.load();
    form.show();
    form.dispatch([&] { form.moveT_Timer(); });
    ASSERT_TRUE(form.Despot.visible());

    whenBoxOpens([&](QMessageBox&) { return platform::qt::windowOf(form)->close(); });
    form.Despot.raiseMouseDown(platform::LeftButton, 0, 0, 0);

    EXPECT_TRUE(ended);
    EXPECT_TRUE(form.unloaded());
    EXPECT_EQ(openBox(), nullptr);
    EXPECT_FALSE(form.moveT.enabled()) << "the handler went on after the window closed";
    EXPECT_TRUE(form.Deboom.visible()) << "the handler went on after the window closed";
}

TEST(RealMessageBox, HoldsBackThePlayersInputToTheWindowWhileOpen)
{
    platform::QtServices services;
    game::Form1 form(services);
    services.setOwnerWindow(platform::qt::windowOf(form));
    form.load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(platform::qt::windowOf(form)));
    whenBoxOpens([&](QMessageBox& box) {
        QTest::mouseClick(platform::qt::windowOf(form)->windowHandle(), Qt::LeftButton,
                          Qt::NoModifier,
                          platform::qt::widgetOf(form.Credits)->geometry().center());
        box.done(QMessageBox::Ok);
        return true;
    });
    form.dispatch([&] { form.civ1_Click(); });
    EXPECT_EQ(form.crednum, 0) << "a click reached the window under the box";
    platform::qt::windowOf(form)->close();
}
