#include "platform/qt/message_box.h"

#include "platform/qt/maximisable_fixed_size.h"

#include <QEvent>

namespace platform {

MessageBox::MessageBox(const QString& title, const QString& text, QWidget* owner)
    : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner)
    , m_size(new MaximisableFixedSize(*this))
{
}

bool MessageBox::event(QEvent* event)
{
    // QMessageBox fixes its size to fit its text when shown and on every layout request after.
    // Maximised, it must keep the compositor's size, so it is not fitted then.
    if (event->type() == QEvent::LayoutRequest && m_size->maximised())
        return QDialog::event(event);
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest)
        m_size->refix();
    return handled;
}

void MessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    m_size->refix();
}

} // namespace platform
