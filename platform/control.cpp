#include "platform/controls.h"
#include "platform/form.h"
#include "platform/front_end.h"

namespace platform {

Control::Control(Form& form, const ControlDesign& design)
    : m_form(form)
    , m_name(design.name)
    , m_left(design.left)
    , m_top(design.top)
    , m_width(design.width)
    , m_height(design.height)
    , m_visible(design.visible)
    , m_announcedWhenShown(design.announcedWhenShown)
    , m_announcedWhenHidden(design.announcedWhenHidden)
{
}

Control::~Control() = default;

void Control::attach(std::unique_ptr<NativeControl> native) { m_native = std::move(native); }

void Control::finishLoading() { m_native->finishLoading(); }

float Control::left() const
{
    noteAccess("Left", Read);
    return m_left;
}

float Control::top() const
{
    noteAccess("Top", Read);
    return m_top;
}

bool Control::visible() const
{
    noteAccess("Visible", Read);
    return m_visible;
}

void Control::noteAccess(std::string_view property, AccessKind kind) const
{
    m_form.noteAccess({m_name, property, kind == Write, kind != Read});
}

void Control::setLeft(float left)
{
    noteAccess("Left", Write);
    m_left = left;
    m_native->place(m_left, m_top);
}

void Control::setTop(float top)
{
    noteAccess("Top", Write);
    m_top = top;
    m_native->place(m_left, m_top);
}

void Control::setVisible(bool visible)
{
    noteAccess("Visible", Write);
    const bool changed = visible != m_visible;
    m_visible = visible;
    m_native->setVisible(visible);
    const std::string& announced = visible ? m_announcedWhenShown : m_announcedWhenHidden;
    if (changed && !announced.empty())
        m_form.announce(announced);
}

} // namespace platform
