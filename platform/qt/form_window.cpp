#include "platform/qt/form_window.h"

#include "platform/form.h"
#include "platform/qt/accessible_role.h"
#include "platform/qt/control_accessibles.h"
#include "platform/qt/maximisable_fixed_size.h"
#include "platform/qt/mouse_routing.h"
#include "platform/qt/pictures.h"
#include "platform/qt/pictures_ahead.h"
#include "platform/qt/widget_controls.h"
#include "platform/twips.h"
#include "utf8/qt_string.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QWindow>
#include <stdexcept>
#include <utility>

namespace platform {

FormWindow::FormWindow(Form& form, const FormDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_form(form)
{
    // Before anything else: Qt makes and keeps a widget's accessible interface on first need.
    setAccessibleRole(this, QAccessible::Window);
    // A notification that a screen reader says each time it shows, under every control (which
    // are made after it) and out of the mouse's way. Qt 6.4 sends a changed name or description
    // to the accessibility bus in a form that Orca cannot speak, so news goes out this way.
    m_announcer = new QWidget;
    setAccessibleRole(m_announcer, QAccessible::Notification);
    m_announcer->setObjectName(QStringLiteral("announcer"));
    m_announcer->setParent(this);
    m_announcer->setGeometry(0, 0, 1, 1);
    m_announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_announcer->setFocusPolicy(Qt::NoFocus);
    m_announcer->hide();
    setWindowTitle(utf8::toQString(design.caption));
    setAccessibleName(windowTitle());
    setAccessibleDescription(utf8::toQString(design.accessibleDescription));
    // Nothing in the layout follows a change of size, so the frame keeps the design's size.
    setFixedSize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    // Maximised all the same, the layout stays at the top left and the form's colour fills the
    // rest.
    new MaximisableFixedSize(*this);
    // The icon's images serve as the pointer too where the design names one picture for both,
    // decoded once.
    const std::vector<QImage> icon =
        design.icon.empty() ? std::vector<QImage>() : decodePicture(design.icon);
    if (!icon.empty()) {
        QIcon windowIcon;
        for (const QImage& image : icon)
            windowIcon.addPixmap(QPixmap::fromImage(image));
        setWindowIcon(windowIcon);
    }
    if (!design.pointer.picture.empty()) {
        const QImage pointer = design.pointer.picture == design.icon
                                   ? icon.front()
                                   : decodePicture(design.pointer.picture).front();
        setCursor(QCursor(QPixmap::fromImage(pointer), design.pointer.hotX, design.pointer.hotY));
    }
    QFont designed = font();
    if (design.font.pixelSize > 0)
        designed.setPixelSize(design.font.pixelSize);
    if (design.font.condensed)
        designed.setStretch(QFont::Condensed);
    setFont(designed);
    // The form's MouseMove reports the pointer over its uncovered surface without a button held.
    setMouseTracking(true);
}

FormWindow::~FormWindow() = default;

std::unique_ptr<NativeControl> FormWindow::createControl(Control& control,
                                                         const ControlDesign& design)
{
    switch (design.kind) {
    case ControlKind::Image:
        return makeImageWidget(static_cast<Image&>(control), design, this);
    case ControlKind::Label:
        return makeLabelWidget(design, this);
    case ControlKind::TextBox:
        return makeTextBoxWidget(design, this);
    case ControlKind::CheckBox:
        return makeCheckBoxWidget(static_cast<CheckBox&>(control), design, this);
    case ControlKind::HScrollBar:
        return makeScrollBarWidget(static_cast<HScrollBar&>(control), design, this);
    case ControlKind::CommandButton:
        return makeButtonWidget(static_cast<CommandButton&>(control), design, this);
    }
    throw std::invalid_argument("unknown control kind");
}

void FormWindow::setTabOrder(const std::vector<NativeControl*>& order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(static_cast<WidgetControl*>(order[i - 1])->widget(),
                             static_cast<WidgetControl*>(order[i])->widget());
}

void FormWindow::takePicturesAhead(std::unique_ptr<PicturesAhead> pictures)
{
    // Those of another design would go unused or run short, and the controls would quietly
    // decode their own on the spot: a slower start that nothing else would tell.
    if (pictures && !pictures->isFor(m_form.design()))
        throw std::logic_error("the pictures decoded ahead are not those of the form's design");
    m_pictures = std::move(pictures);
}

bool FormWindow::event(QEvent* event)
{
    // The window of the screen exists from here on; its mouse events pass the watcher first.
    if (event->type() == QEvent::WinIdChange && windowHandle())
        windowHandle()->installEventFilter(&m_pointer);
    return QWidget::event(event);
}

void FormWindow::paintEvent(QPaintEvent*)
{
    // The first frame goes to the screen when this paint is over; what it left out comes next.
    if (!std::exchange(m_painted, true))
        QTimer::singleShot(0, this, [this] { m_form.finishLoading(); });
}

void FormWindow::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    m_form.raiseMouseMove(mouseButton(*event), shiftState(*event), toTwips(event->position().x()),
                          toTwips(event->position().y()));
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_form.unload();
}

} // namespace platform

namespace platform {

void FormWindow::announce(std::string_view text)
{
    m_announcer->hide();
    m_announcer->setAccessibleName(utf8::toQString(text));
    m_announcer->show();
}

FormWindow* FormWindow::of(const QWidget* widget)
{
    return widget ? dynamic_cast<FormWindow*>(widget->window()) : nullptr;
}

void FormWindow::holdInput(bool held)
{
    // A screen reader may move the focus in the window behind the box; the box gives it back.
    if (held)
        m_focusBeforeBox = focusWidget();
    else if (m_focusBeforeBox && focusWidget() != m_focusBeforeBox)
        m_focusBeforeBox->setFocus(Qt::OtherFocusReason);
    QAccessible::State changed;
    changed.disabled = true;
    for (QWidget* control : findChildren<QWidget*>())
        if (actsForThePlayer(control)) {
            QAccessibleStateChangeEvent event(control, changed);
            QAccessible::updateAccessibility(&event);
        }
}

} // namespace platform
