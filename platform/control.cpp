#include "platform/controls.h"
#include "platform/form.h"
#include "platform/twips.h"
#include "platform/widgets/mouse_routing.h"

#include <QWidget>

namespace platform {

Control::Control(Form& form, const ControlDesign& design)
    : m_form(form)
    , m_name(design.name)
    , m_accessibleName(design.accessibleName)
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

void Control::attach(QWidget* widget, Backing backing)
{
    m_widget = widget;
    if (backing == Backing::Window) {
        m_widget->setFocusPolicy(Qt::StrongFocus);
        m_widget->setCursor(Qt::ArrowCursor);
        for (QWidget* child : m_widget->findChildren<QWidget*>())
            child->setCursor(Qt::ArrowCursor);
    } else {
        m_widget->setFocusPolicy(Qt::NoFocus);
    }
    m_widget->setObjectName(QString::fromStdString(m_name));
    if (!m_accessibleName.empty())
        m_widget->setAccessibleName(QString::fromStdString(m_accessibleName));
    m_widget->resize(twipsToPixels(m_width), twipsToPixels(m_height));
    place();
    m_widget->setVisible(m_visible);
    keepMouseEvents(m_widget);
}

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
    place();
}

void Control::setTop(float top)
{
    noteAccess("Top", Write);
    m_top = top;
    place();
}

void Control::setVisible(bool visible)
{
    noteAccess("Visible", Write);
    const bool changed = visible != m_visible;
    m_visible = visible;
    m_widget->setVisible(visible);
    const std::string& announced = visible ? m_announcedWhenShown : m_announcedWhenHidden;
    if (changed && !announced.empty())
        m_form.announce(announced);
}

void Control::place() { m_widget->move(twipsToPixels(m_left), twipsToPixels(m_top)); }

} // namespace platform
