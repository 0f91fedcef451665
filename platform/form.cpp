#include "platform/form.h"

#include "platform/runtime_error.h"

#include <algorithm>
#include <new>
#include <optional>
#include <stdexcept>

namespace platform {
namespace {

// Thrown where a handler resumes after its message box while the form was unloaded, so that
// the rest of the handler never touches the controls of a closed form.
struct FormUnloaded {};

std::unique_ptr<Control> createControl(Form& form, const ControlDesign& design)
{
    switch (design.kind) {
    case ControlKind::Image:
        return std::make_unique<Image>(form, design);
    case ControlKind::Label:
        return std::make_unique<Label>(form, design);
    case ControlKind::TextBox:
        return std::make_unique<TextBox>(form, design);
    case ControlKind::CheckBox:
        return std::make_unique<CheckBox>(form, design);
    case ControlKind::HScrollBar:
        return std::make_unique<HScrollBar>(form, design);
    case ControlKind::CommandButton:
        return std::make_unique<CommandButton>(form, design);
    }
    throw std::invalid_argument("unknown control kind");
}

} // namespace

Form::Form(Services& services, FormDesign design)
    : m_services(services)
    , m_design(std::move(design))
    , m_window(createNativeWindow(*this, m_design))
{
    // Made from the back to the front, so that the desktop stacks each control above those
    // before it.
    m_controls.resize(m_design.controls.size());
    for (std::size_t i = m_design.controls.size(); i-- > 0;) {
        m_controls[i] = createControl(*this, m_design.controls[i]);
        m_controls[i]->attach(m_window->createControl(*m_controls[i], m_design.controls[i]));
    }

    // Labels and images never take the focus, so only window-backed controls enter the chain.
    std::vector<const ControlDesign*> tabbing;
    for (const ControlDesign& control : m_design.controls)
        if (control.tabIndex >= 0 && control.kind != ControlKind::Label &&
            control.kind != ControlKind::Image)
            tabbing.push_back(&control);
    std::sort(tabbing.begin(), tabbing.end(),
              [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<NativeControl*> nativeOrder;
    for (const ControlDesign* control : tabbing) {
        m_tabOrder.push_back(findControl(control->name));
        nativeOrder.push_back(&m_tabOrder.back()->native());
    }
    m_window->setTabOrder(nativeOrder);

    for (const TimerDesign& timer : m_design.timers)
        m_timers.push_back(std::make_unique<Timer>(*this, timer, m_services));
}

Form::~Form()
{
    // Stop every tick before the controls go.
    for (auto& timer : m_timers)
        timer->halt();
}

void Form::load() { raise(onLoad); }

void Form::announce(std::string_view text) { m_window->announce(text); }

void Form::show()
{
    m_window->show();
    // The focus starts on the first control of the tab order that is shown.
    const auto first = std::find_if(m_tabOrder.begin(), m_tabOrder.end(),
                                    [](const Control* control) { return control->m_visible; });
    if (first != m_tabOrder.end())
        (*first)->native().takeFocus();
}

void Form::finishLoading()
{
    for (const auto& control : m_controls)
        control->finishLoading();
}

void Form::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    for (auto& timer : m_timers)
        timer->halt();
    if (onUnload)
        onUnload();
}

void Form::raiseMouseMove(std::int16_t button, std::int16_t shift, float x, float y)
{
    raise(onMouseMove, button, shift, x, y);
}

void Form::dispatch(const std::function<void()>& handler)
{
    if (m_unloaded || !handler)
        return;
    std::optional<RuntimeError> failure;
    if (m_probe)
        m_probe->onHandlerStart();
    try {
        handler();
    } catch (const FormUnloaded&) {
        // The window closed while the handler waited; what it had left to do is void.
    } catch (const RuntimeError& error) {
        failure = error;
    } catch (const std::bad_alloc&) {
        failure = outOfMemoryError();
    } catch (const std::logic_error& error) {
        m_services.programmingError(error);
        failure = internalError(error.what());
    } catch (const std::exception& error) {
        failure = internalError(error.what());
    }
    if (m_probe)
        m_probe->onHandlerEnd();
    if (!m_unloaded)
        m_window->showChanges();
    // Reported once the handler is gone: the box belongs to the runtime, not to the handler.
    if (failure)
        reportError(*failure);
}

void Form::reportError(const RuntimeError& error)
{
    if (!m_unloaded)
        showBox(error.report());
}

void Form::showBox(std::string_view text)
{
    struct Open {
        Form& form;
        explicit Open(Form& f)
            : form(f)
        {
            if (form.m_boxesOpen++ == 0)
                form.m_window->holdInput(true);
        }
        ~Open()
        {
            if (--form.m_boxesOpen == 0)
                form.m_window->holdInput(false);
        }
    } open(*this);
    // What the handler changed shows before its box does.
    m_window->showChanges();
    m_services.showMessage(text, m_design.caption);
}

Timer& Form::timer(std::string_view name) const
{
    for (const auto& timer : m_timers)
        if (timer->name() == name)
            return *timer;
    missingControl(name);
}

Control* Form::findControl(std::string_view name) const
{
    for (const auto& control : m_controls)
        if (control && control->name() == name)
            return control.get();
    return nullptr;
}

void Form::missingControl(std::string_view name)
{
    throw std::logic_error("the form has no control named " + std::string(name));
}

void Form::randomize() { m_services.random().reseed(); }

float Form::rnd()
{
    noteAccess({"", "Rnd", false, false});
    return m_services.random().next();
}

void Form::msgBox(std::string_view text)
{
    noteAccess({"", "MsgBox", true, false});
    showBox(text);
    if (m_unloaded)
        throw FormUnloaded{};
}

} // namespace platform
