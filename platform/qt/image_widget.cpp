#include "platform/controls.h"
#include "platform/qt/accessible_role.h"
#include "platform/qt/form_window.h"
#include "platform/qt/mouse_routing.h"
#include "platform/qt/pictures.h"
#include "platform/qt/pictures_ahead.h"
#include "platform/qt/widget_controls.h"

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
        // A picture is a graphic to a screen reader, not the bare client area of a QWidget.
        setAccessibleRole(this, QAccessible::Graphic);
    }

    // Called once the widget has its size. The picture is taken when first painted, or after
    // the window's first frame if that comes sooner: a picture shown at start is meanwhile
    // decoded on the second thread while the window is built, and one hidden at start runs no
    // decoder before the player sees the window.
    void setPicture(std::string_view resource, bool stretch)
    {
        m_resource = resource;
        m_stretch = stretch;
    }

    // Scaled once rather than on every paint; nearest-neighbour keeps the pixels crisp.
    void decodePicture()
    {
        if (m_resource.empty())
            return;
        const std::string resource = std::exchange(m_resource, std::string());
        const QSize drawn = m_stretch ? size() : QSize();
        PicturesAhead* ahead = FormWindow::of(this)->picturesAhead();
        m_picture = QPixmap::fromImage(
            (ahead ? ahead->take(resource, drawn) : platform::decodePicture(resource, drawn))
                .front());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        decodePicture();
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
    std::string m_resource; // until decoded
    bool m_stretch = false;
    QPixmap m_picture;
    bool m_pressed = false;
};

class PictureControl final : public WidgetControl {
public:
    PictureControl(Image& control, const ControlDesign& design, QWidget* parent)
        : WidgetControl(new ImageWidget(control, parent), Backing::Windowless, design)
    {
        widgetAs<ImageWidget>()->setPicture(design.picture, design.stretch);
    }

    void finishLoading() override { widgetAs<ImageWidget>()->decodePicture(); }
};

} // namespace

std::unique_ptr<NativeControl> makeImageWidget(Image& control, const ControlDesign& design,
                                               QWidget* parent)
{
    return std::make_unique<PictureControl>(control, design, parent);
}

} // namespace platform
