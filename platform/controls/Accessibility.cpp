#include "platform/controls/Accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace controls {

namespace {

// The role a control plays for a screen reader where it is not the stock one; NoRole: none.
const char* const kRoleProperty = "zvAccessibleRole";

// A clicked caption or picture as a screen reader sees it: its role, its name (the caption it
// shows, else the caption set beside it as its buddy), and Press to click it.
class ClickableAccessible : public QAccessibleWidget {
public:
    ClickableAccessible(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto* label = qobject_cast<const QLabel*>(widget()))
                return label->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "Click");
        else
            QAccessibleWidget::doAction(action);
    }
};

class UnseenAccessible : public QAccessibleWidget {
public:
    explicit UnseenAccessible(QWidget* control) : QAccessibleWidget(control) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* clickableInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    if (role.value<QAccessible::Role>() == QAccessible::NoRole)
        return new UnseenAccessible(widget);
    return new ClickableAccessible(widget, role.value<QAccessible::Role>());
}

// The control's interface is ours from the next query on: the stock one, made and kept as its
// caption or text was set, is dropped.
void setInterfaceRole(QWidget* control, QAccessible::Role role)
{
    static const bool installed = (QAccessible::installFactory(clickableInterface), true);
    Q_UNUSED(installed);
    control->setProperty(kRoleProperty, QVariant::fromValue(role));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(control)));
}

// Enter or Space clicks the control; Tab, or any of those keys, shows its focus mark.
class ClickKeys : public QObject {
public:
    explicit ClickKeys(QWidget* control) : QObject(control), control_(control) {}

    static bool showsMark(const QWidget* control)
    {
        const auto* keys = control->findChild<ClickKeys*>(QString(), Qt::FindDirectChildrenOnly);
        return keys && keys->mark_ && control->hasFocus();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            showMark(reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
            break;
        }
        case QEvent::FocusOut: showMark(false); break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool click =
                !(key->modifiers() & ~Qt::KeypadModifier)
                && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
            if (click || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                showMark(true);
            if (click) {
                QMetaObject::invokeMethod(control_, "Click");
                return true;
            }
            break;
        }
        default: break;
        }
        return false;
    }

private:
    void showMark(bool on)
    {
        if (mark_ == on)
            return;
        mark_ = on;
        control_->update();
    }

    QWidget* control_;
    bool mark_ = false;
};

} // namespace

void takeClicksFromKeyboard(QWidget* control, QAccessible::Role role)
{
    setInterfaceRole(control, role);
    control->setFocusPolicy(Qt::TabFocus);
    control->installEventFilter(new ClickKeys(control));
}

void hideFromScreenReaders(QWidget* control) { setInterfaceRole(control, QAccessible::NoRole); }

void paintFocusMark(const QWidget* control, QPainter& painter, const QRect& around)
{
    if (!ClickKeys::showsMark(control))
        return;
    painter.save();
    painter.setPen(QPen(control->palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(around.intersected(control->rect().adjusted(0, 0, -1, -1)));
    painter.restore();
}

} // namespace controls
