#include "platform/qt/control_accessibles.h"

#include "platform/form.h"
#include "platform/qt/form_window.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace platform {
namespace {

constexpr const char* kValueFromProperty = "accessibleValueFrom";

bool heldByBox(const QWidget* widget)
{
    const FormWindow* window = FormWindow::of(widget);
    return window && window->form().boxOpen();
}

// A push button's Press and a check box's Toggle, as Qt offers them.
class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, qobject_cast<QCheckBox*>(button) ? QAccessible::CheckBox
                                                                     : QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        if (auto* box = qobject_cast<const QCheckBox*>(button())) {
            state.checkable = true;
            state.checked = box->checkState() == Qt::Checked;
            state.checkStateMixed = box->checkState() == Qt::PartiallyChecked;
        }
        state.disabled = state.disabled || heldByBox(widget());
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{ownAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (heldByBox(widget()) || !widget()->isEnabled())
            return;
        if (action == toggleAction() && role() == QAccessible::CheckBox)
            // As a click does: a greyed box becomes unchecked.
            button()->click();
        else if (action == pressAction() && role() == QAccessible::Button)
            button()->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    QString ownAction() const
    {
        return role() == QAccessible::CheckBox ? toggleAction() : pressAction();
    }
};

// A scroll bar's value, which a screen reader sets, increases and decreases.
class ScrollBarAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ScrollBarAccessible(QScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(read(bar()->value()));
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = state.disabled || heldByBox(widget());
        return state;
    }

    void doAction(const QString& action) override
    {
        if (!heldByBox(widget()))
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return read(bar()->value()); }
    // Increase and Decrease come here too, a small change at a time.
    void setCurrentValue(const QVariant& value) override
    {
        if (!heldByBox(widget()))
            bar()->setValue(read(value.toInt()));
    }
    QVariant maximumValue() const override
    {
        return std::max(read(bar()->minimum()), read(bar()->maximum()));
    }
    QVariant minimumValue() const override
    {
        return std::min(read(bar()->minimum()), read(bar()->maximum()));
    }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
    // The value as read, and back: the same sum either way.
    int read(int value) const
    {
        const int from = widget()->property(kValueFromProperty).toInt();
        return from == 0 ? value : from - value;
    }
};

} // namespace

QAccessibleInterface* controlAccessible(QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!actsForThePlayer(widget))
        return nullptr;
    if (auto* bar = qobject_cast<QScrollBar*>(widget))
        return new ScrollBarAccessible(bar);
    return new ButtonAccessible(static_cast<QAbstractButton*>(widget));
}

bool actsForThePlayer(const QWidget* widget)
{
    const FormWindow* window = FormWindow::of(widget);
    if (!window || widget == window)
        return false;
    return qobject_cast<const QPushButton*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
           qobject_cast<const QScrollBar*>(widget);
}

void setAccessibleValueFrom(QWidget* bar, int from) { bar->setProperty(kValueFromProperty, from); }

} // namespace platform
