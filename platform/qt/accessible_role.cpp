#include "platform/qt/accessible_role.h"

#include "platform/qt/control_accessibles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kRoleProperty = "accessibleRole";

// The platform's one factory, before Qt's: a role given by name, else the form's controls that act.
QAccessibleInterface* platformAccessible(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return controlAccessible(widget);
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    // Qt keeps its factories for the whole application: install ours once.
    static const bool installed = [] {
        QAccessible::installFactory(platformAccessible);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

} // namespace platform
