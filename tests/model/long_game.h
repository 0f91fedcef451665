// A long random game: presses, clicks, keys, pointer moves and the passing of time, driven
// through the shown window, with the game's invariants checked after every event.
//
// BLASTMAP_GAME_SEED replays a game (the seed is printed with any failure);
// BLASTMAP_GAME_EVENTS sets its length.
#pragma once

#include "game/spots.h"
#include "harness/design_geometry.h"
#include "platform/qt/qt_front_end.h"
#include "scene/form1_design.h"
#include "support/fault_injector.h"
#include "support/form1_fixture.h"
#include "widget/shown_form.h"

#include <QTimer>
#include <cstdlib>
#include <random>
#include <string>

namespace testing_support {

inline std::uint32_t seedFromEnvironment()
{
    if (const char* given = std::getenv("BLASTMAP_GAME_SEED"))
        return static_cast<std::uint32_t>(std::stoul(given));
    return std::random_device{}();
}

inline long eventsFromEnvironment(long otherwise)
{
    const char* given = std::getenv("BLASTMAP_GAME_EVENTS");
    return given ? std::stol(given) : otherwise;
}

inline bool onASpot(const platform::Image& image)
{
    for (const game::Spot& spot : game::kSpots)
        if (image.left() == spot.left && image.top() == spot.top)
            return true;
    return false;
}

class LongGame : public ShownForm1Test {
protected:
    LongGame()
        : m_seed(seedFromEnvironment())
        , m_dice(m_seed)
        , m_chance(m_seed)
    {
        generator().setFallback(&m_chance);
        wrapTimers();
        // A right click on the scroll bar or the credits opens Qt's context menu, whose own
        // event loop waits for a choice; this timer runs inside that loop and dismisses it.
        QObject::connect(&m_dismissMenus, &QTimer::timeout, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
        m_dismissMenus.start(0);
        boxes().whileAnyOpen([this] { answerAfterADelay(); });
    }

    std::uint32_t seed() const { return m_seed; }

    // Makes property accesses inside handlers fail at random from now on. Invariants that an
    // abandoned handler may leave broken (a picture shown without its box, say) are not
    // checked then.
    void injectFaults(double probability)
    {
        m_faults = std::make_unique<FaultInjector>(m_seed, probability);
        f().setAccessProbe(m_faults.get());
    }
    const FaultInjector* faults() const { return m_faults.get(); }

    // Plays the game for the given number of events, or until an invariant breaks; returns
    // how many were played.
    long play(long events)
    {
        long played = 0;
        for (; played < events && !::testing::Test::HasFailure(); ++played)
            playOneEvent();
        return played;
    }

    void playOneEvent()
    {
        const int roll = between(0, 99);
        if (roll < 35)
            letTimePass(between(1, 700));
        else if (roll < 60)
            click(anywhere(), anyButton());
        else if (roll < 70)
            clickOn(f().Despot);
        else if (roll < 76)
            clickOn(between(0, 1) ? f().civ1 : f().civ2);
        else if (roll < 82)
            clickOn(between(0, 1) ? static_cast<const platform::Control&>(f().Credits)
                                  : f().Instructions);
        else if (roll < 86)
            clickOn(f().civcheck);
        else if (roll < 94)
            pressAKey();
        else
            moveTo(anywhere());
        checkInvariants();
    }

private:
    // The test's own look at the controls is no access of a handler's.
    class ProbeDetached {
    public:
        explicit ProbeDetached(game::Form1& form)
            : m_form(form)
            , m_probe(form.accessProbe())
        {
            form.setAccessProbe(nullptr);
        }
        ~ProbeDetached() { m_form.setAccessProbe(m_probe); }

    private:
        game::Form1& m_form;
        platform::AccessProbe* m_probe;
    };

    int between(int low, int high) { return std::uniform_int_distribution(low, high)(m_dice); }

    // The client area, as the design sizes the window.
    static QRect clientArea() { return {{0, 0}, harness::clientSize(scene::form1Design())}; }

    QPoint anywhere()
    {
        const QRect area = clientArea();
        return {between(area.left(), area.right()), between(area.top(), area.bottom())};
    }

    Qt::MouseButton anyButton()
    {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return buttons[between(0, 2)];
    }

    void clickOn(const platform::Control& control)
    {
        const QRect area = platform::qt::widgetOf(control)->geometry().intersected(clientArea());
        if (area.isEmpty())
            return;
        click({between(area.left(), area.right()), between(area.top(), area.bottom())},
              anyButton());
    }

    void pressAKey()
    {
        const Qt::Key keys[] = {Qt::Key_Tab,   Qt::Key_Space,  Qt::Key_Return,   Qt::Key_Left,
                                Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                Qt::Key_End,   Qt::Key_Backtab};
        key(keys[between(0, std::size(keys) - 1)]);
    }

    void letTimePass(int ms)
    {
        clock().advance(ms);
        checkInvariants();
    }

    // While a box is open the player cannot reach the window; only time passes.
    void answerAfterADelay()
    {
        const std::string text = boxes().shown().back().text;
        const bool hit = text.starts_with("Congratulations");
        const bool civilian = text.starts_with("What's your problem");
        const bool error = m_faults && text.starts_with("Run-time error '380'");
        ASSERT_TRUE(hit || civilian || error) << "an unexpected box: " << text;
        bool unused = false;
        bool& open = hit ? m_hitBoxOpen : civilian ? m_civilianBoxOpen : unused;
        open = true;
        for (int waits = between(0, 4); waits > 0; --waits)
            letTimePass(between(1, 600));
        open = false;
    }

    void wrapTimers()
    {
        auto civmove = f().civmove.onTimer;
        f().civmove.onTimer = [this, civmove] {
            civmove();
            checkCivilians();
        };
        auto moveT = f().moveT.onTimer;
        f().moveT.onTimer = [this, moveT] {
            moveT();
            m_targetHasMoved = true;
        };
    }

    void checkCivilians()
    {
        const ProbeDetached detached(f());
        const auto& [civ1, civ2, target] = std::tie(f().civ1, f().civ2, f().Despot);
        ASSERT_TRUE(onASpot(civ1) && onASpot(civ2));
        ASSERT_FALSE(civ1.left() == target.left() && civ1.top() == target.top())
            << "civ1 on the target's spot";
        ASSERT_FALSE(civ2.left() == civ1.left() && civ2.top() == civ1.top())
            << "civ2 on civ1's spot";
        ASSERT_EQ(game::spot(f().placec1).left, civ1.left());
        ASSERT_EQ(game::spot(f().placec2).top, civ2.top());
    }

    void checkInvariants()
    {
        const ProbeDetached detached(f());
        ASSERT_GE(f().boomnum, 1);
        ASSERT_LE(f().boomnum, 4);
        if (!f().boomtime.enabled()) {
            ASSERT_EQ(f().boomnum, 1);
        }
        ASSERT_TRUE(f().instnum == 0 || f().instnum == 1);
        ASSERT_TRUE(f().crednum == 0 || f().crednum == 1);
        ASSERT_EQ(f().Inst.visible(), f().instnum == 1);
        ASSERT_EQ(f().Creditbox.visible(), f().crednum == 1);
        if (m_faults)
            return;
        ASSERT_EQ(f().Credits.caption() == "Done", f().crednum == 1);
        ASSERT_EQ(f().Deboom.visible(), m_hitBoxOpen);
        ASSERT_EQ(f().civboom.visible(), m_civilianBoxOpen);
        ASSERT_EQ(f().civ1.visible(), f().civ2.visible());
        if (m_targetHasMoved) {
            ASSERT_TRUE(onASpot(f().Despot));
        }
        if (m_hitBoxOpen) {
            ASSERT_FALSE(f().moveT.enabled());
        }
    }

    std::uint32_t m_seed;
    std::mt19937 m_dice;
    platform::SeededRandom m_chance;
    bool m_hitBoxOpen = false;
    bool m_civilianBoxOpen = false;
    bool m_targetHasMoved = false;
    QTimer m_dismissMenus;
    std::unique_ptr<FaultInjector> m_faults;
};

} // namespace testing_support
