#include "platform/qt/widget_control.h"

#include "platform/design.h"
#include "platform/qt/mouse_routing.h"
#include "platform/twips.h"
#include "utf8/qt_string.h"

#include <QWidget>

namespace platform {

WidgetControl::WidgetControl(QWidget* widget, Backing backing, const ControlDesign& design)
    : m_widget(widget)
{
    if (backing == Backing::Window) {
        m_widget->setFocusPolicy(Qt::StrongFocus);
        m_widget->setCursor(Qt::ArrowCursor);
        for (QWidget* child : m_widget->findChildren<QWidget*>())
            child->setCursor(Qt::ArrowCursor);
    } else {
        m_widget->setFocusPolicy(Qt::NoFocus);
    }
    m_widget->setObjectName(utf8::toQString(design.name));
    if (!design.accessibleName.empty())
        m_widget->setAccessibleName(utf8::toQString(design.accessibleName));
    m_widget->resize(twipsToPixels(design.width), twipsToPixels(design.height));
    place(design.left, design.top);
    m_widget->setVisible(design.visible);
    keepMouseEvents(m_widget);
}

void WidgetControl::place(float left, float top)
{
    m_widget->move(twipsToPixels(left), twipsToPixels(top));
}

void WidgetControl::setVisible(bool visible) { m_widget->setVisible(visible); }

void WidgetControl::takeFocus() { m_widget->setFocus(Qt::OtherFocusReason); }

} // namespace platform
