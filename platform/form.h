// A form: the window, its controls and timers built from a design, and the dispatch of events
// to the program's handlers, one at a time and each to its end.
#pragma once

#include "platform/access_probe.h"
#include "platform/controls.h"
#include "platform/design.h"
#include "platform/front_end.h"
#include "platform/services.h"
#include "platform/timer.h"

#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace platform {

class Form {
public:
    Form(Services& services, FormDesign design);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const FormDesign& design() const { return m_design; }
    // The window as the desktop shows it; the front end that made it may look inside.
    NativeWindow& nativeWindow() const { return *m_window; }

    // Raises Load; the runtime does this once, before the window shows.
    void load();
    void show();
    // Lets every control do what it left out of the first frame; the window calls it once.
    void finishLoading();

    // What closing the window does: no handler runs afterwards, every timer stops, and a
    // handler waiting in a message box is abandoned when the box returns.
    void unload();
    bool unloaded() const { return m_unloaded; }
    // Called once the form is unloaded; the application ends the program here.
    std::function<void()> onUnload;

    // Whether a message box of this form is open. The player's input to the window waits until
    // it closes, whichever way it comes (the mouse, the keys, a screen reader's actions), while
    // the timers tick on underneath; a control's actions ask here before they act.
    bool boxOpen() const { return m_boxesOpen > 0; }
    // Has a screen reader say the text, as it says a notification.
    void announce(std::string_view text);

    EventHandler onLoad;
    MouseHandler onMouseMove; // only over the client area that no control covers
    void raiseMouseMove(std::int16_t button, std::int16_t shift, float x, float y);

    // Runs an event handler. A run-time error abandons that handler alone and is reported to
    // the player; nothing runs once the form is unloaded.
    void dispatch(const std::function<void()>& handler);

    // Raises an event: runs the handler the program wired to it, if any, through dispatch.
    template <class... Args>
    void raise(const std::function<void(Args...)>& handler, std::type_identity_t<Args>... args)
    {
        if (handler)
            dispatch([&] { handler(args...); });
    }

    // Tells the probe of each property access before it takes effect; tests set one.
    void setAccessProbe(AccessProbe* probe) { m_probe = probe; }
    AccessProbe* accessProbe() const { return m_probe; }
    void noteAccess(const Access& access)
    {
        if (m_probe)
            m_probe->onAccess(access);
    }

    template <class ControlType> ControlType& control(std::string_view name) const
    {
        auto* found = dynamic_cast<ControlType*>(findControl(name));
        if (!found)
            missingControl(name);
        return *found;
    }
    Timer& timer(std::string_view name) const;

    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
    const std::vector<std::unique_ptr<Timer>>& timers() const { return m_timers; }

protected:
    // The runtime's operations that handlers call.
    void randomize();
    float rnd();
    // Shows the message box with the form's caption as its title and waits for OK.
    void msgBox(std::string_view text);

private:
    Control* findControl(std::string_view name) const;
    [[noreturn]] static void missingControl(std::string_view name);
    void reportError(const class RuntimeError& error);
    // Shows a box with the form's caption as its title and waits for it to close.
    void showBox(std::string_view text);

    Services& m_services;
    FormDesign m_design;
    bool m_unloaded = false;
    // Boxes nest: a timer's handler may fail and report while another box is open.
    int m_boxesOpen = 0;
    AccessProbe* m_probe = nullptr;
    // Controls outlive the window, whose native controls refer to them while it is torn down.
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<Timer>> m_timers;
    std::vector<Control*> m_tabOrder;
    std::unique_ptr<NativeWindow> m_window;
};

} // namespace platform
