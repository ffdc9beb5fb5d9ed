#pragma once
// What a screen reader would find nameless: every control of a window a
// person can use (it takes focus or is a button, field, list or slider) whose
// accessible interface gives no name, and every menu command without text.
// The name is asked through Qt accessibility, so a label's buddy or a
// button's caption counts as the control's name.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

namespace accessibility {

inline bool isInteractive(const QWidget* widget) {
    // Qt's own parts of a composite control (the line edit in a spin box,
    // scroll bars, tab scroll buttons) are announced through their owner.
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (const QWidget* owner = widget->parentWidget(); owner && owner != widget->window();
         owner = owner->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(owner) || qobject_cast<const QComboBox*>(owner) ||
            qobject_cast<const QTabBar*>(owner) || qobject_cast<const QLineEdit*>(owner) ||
            qobject_cast<const QAbstractItemView*>(owner))
            return false;
    }
    // A combo box's pop-up list is a window of its own, owned by the box.
    if (widget->window() != widget && widget->window()->parentWidget() &&
        qobject_cast<const QComboBox*>(widget->window()->parentWidget()))
        return false;
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
        qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
        qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QTabBar*>(widget))
        return true;
    if (qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QAbstractItemView*>(widget))
        return widget->focusPolicy() != Qt::NoFocus;
    return widget->focusPolicy() & Qt::TabFocus;
}

inline QString describe(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return QStringLiteral("%1 \"%2\" (in %3 \"%4\") in %5")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
             parent ? QString::fromLatin1(parent->metaObject()->className()) : QString(),
             parent ? parent->objectName() : QString(), widget->window()->objectName());
}

// Every nameless control under root (root included), and every menu command
// without a caption that is shown, described for the failure message.
inline QStringList namelessControls(QWidget* root) {
    QStringList nameless;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!isInteractive(widget))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            nameless << describe(widget);
    }
    for (const QMenu* menu : root->findChildren<QMenu*>()) {
        for (const QAction* action : menu->actions()) {
            // Hidden entries (an empty history row) are never offered.
            if (action->isVisible() && !action->isSeparator() &&
                action->text().remove(QLatin1Char('&')).trimmed().isEmpty())
                nameless << QStringLiteral("menu command \"%1\" in %2")
                                .arg(action->objectName(), menu->objectName());
        }
    }
    return nameless;
}

}  // namespace accessibility
