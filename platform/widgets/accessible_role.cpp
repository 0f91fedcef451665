#include "platform/widgets/accessible_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace platform {
namespace {

constexpr const char* kRoleProperty = "accessibleRole";

QAccessibleInterface* interfaceWithRole(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    // Qt keeps its factories for the whole application: install ours once.
    static const bool installed = [] {
        QAccessible::installFactory(interfaceWithRole);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

} // namespace platform
