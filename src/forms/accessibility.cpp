#include "forms/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QDialog>

namespace
{

class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return list()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The drop-down's entries, as Qt's own combo box exposes them.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // The chosen entry as read-only text: what a screen reader speaks as
    // the list's value.
    QString text(int start, int end) const override
    {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("QComboBox"))
        return new ListAccessible(static_cast<QComboBox *>(widget));
    // Asked first for the most derived class: one of the program's forms.
    const bool programForm = className == QLatin1String(object->metaObject()->className()) &&
                             !className.startsWith(u'Q');
    if (programForm && widget->isWindow())
        return new QAccessibleWidget(widget, qobject_cast<QDialog *>(widget) ? QAccessible::Dialog
                                                                             : QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}
