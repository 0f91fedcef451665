#include "platform/controls.h"
#include "platform/form.h"
#include "platform/widgets/accessible_role.h"
#include "platform/widgets/mouse_routing.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <utility>

namespace platform {
namespace {

// Draws the picture (stretched over the control, or at its own size) and turns presses into
// MouseDown and press-and-release into Click. Hit-testing is by the control's rectangle, so a
// transparent pixel of the picture still belongs to the control.
class ImageWidget final : public QWidget {
public:
    ImageWidget(Image& image, QWidget* parent)
        : QWidget(parent)
        , m_image(image)
    {
    }

    // Called once the widget has its size. Scaled here rather than on every paint;
    // nearest-neighbour keeps the picture's pixels crisp.
    void setPicture(const std::string& resource, bool stretch)
    {
        if (resource.empty())
            return;
        m_picture.load(QString::fromStdString(resource));
        if (m_picture.isNull())
            qFatal("Blastmap: the picture %s is missing", resource.c_str());
        if (stretch)
            m_picture = m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_picture.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        m_pressed = true;
        m_image.raiseMouseDown(mouseButton(*event), shiftState(*event),
                               toTwips(event->position().x()), toTwips(event->position().y()));
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        const bool wasPressed = std::exchange(m_pressed, false);
        if (wasPressed && rect().contains(event->position().toPoint()))
            m_image.raiseClick();
    }

    void hideEvent(QHideEvent*) override { m_pressed = false; }

private:
    Image& m_image;
    QPixmap m_picture;
    bool m_pressed = false;
};

} // namespace

Image::Image(Form& form, const ControlDesign& design, QWidget* parent)
    : Control(form, design)
{
    auto* widget = new ImageWidget(*this, parent);
    // A picture is a graphic to a screen reader, not the bare client area of a QWidget.
    setAccessibleRole(widget, QAccessible::Graphic);
    attach(widget);
    widget->setPicture(design.picture, design.stretch);
    keepMouseEvents(widget);
}

void Image::raiseMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    form().dispatch([&] {
        if (onMouseDown)
            onMouseDown(button, shift, x, y);
    });
}

void Image::raiseClick()
{
    form().dispatch([&] {
        if (onClick)
            onClick();
    });
}

} // namespace platform
