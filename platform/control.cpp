#include "platform/controls.h"
#include "platform/twips.h"

#include <QWidget>

namespace platform {

Control::Control(Form& form, const ControlDesign& design)
    : m_form(form)
    , m_name(design.name)
    , m_kind(design.kind)
    , m_left(design.left)
    , m_top(design.top)
    , m_width(design.width)
    , m_height(design.height)
    , m_visible(design.visible)
{
}

Control::~Control() = default;

void Control::attach(QWidget* widget)
{
    m_widget = widget;
    m_widget->setObjectName(QString::fromStdString(m_name));
    m_widget->resize(twipsToPixels(m_width), twipsToPixels(m_height));
    place();
    m_widget->setVisible(m_visible);
}

void Control::setLeft(float left)
{
    m_left = left;
    place();
}

void Control::setTop(float top)
{
    m_top = top;
    place();
}

void Control::setVisible(bool visible)
{
    m_visible = visible;
    m_widget->setVisible(visible);
}

void Control::place() { m_widget->move(twipsToPixels(m_left), twipsToPixels(m_top)); }

} // namespace platform
