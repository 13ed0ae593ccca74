#include "forms/accessibility.h"

#include "forms/controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QRadioButton>

#include <utility>

namespace
{

const char groupLabelProperty[] = "tavloraGroupLabel";
const char dialogProperty[] = "tavloraDialog";
const char programWindowProperty[] = "tavloraWindow";
const char toolWindowProperty[] = "tavloraToolWindow";

// One announcement: a notification Orca speaks as it appears. Each text has
// its own, never renamed: Orca reads the name when it comes to the event,
// and a held arrow key announces faster than that, so a shared one would be
// heard with a later text.
class Announcement : public QWidget
{
    Q_OBJECT
public:
    Announcement(QWidget *bar, const QString &text) : QWidget(bar)
    {
        setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        setAccessibleName(text);
        hide();
    }
};

// Holds a window's announcements, in a status bar of no size (its role
// keeps Orca from saying "bildirim" first), and the text that waits for the
// window to become active.
class AnnouncementBar : public QWidget
{
    Q_OBJECT
public:
    explicit AnnouncementBar(QWidget *window) : QWidget(window), m_window(window)
    {
        setObjectName(QStringLiteral("announcementBar"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        show();
        m_window->installEventFilter(this);
    }

    void say(const QString &text)
    {
        m_pending = text;
        if (isActive())
            present();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Queued: the activation's focus change reaches Orca first.
        if (watched == m_window && event->type() == QEvent::WindowActivate && !m_pending.isNull())
            QMetaObject::invokeMethod(this, &AnnouncementBar::present, Qt::QueuedConnection);
        return false;
    }

private:
    void present()
    {
        if (m_pending.isNull() || !isActive())
            return;
        const QString text = std::exchange(m_pending, QString());
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent event(m_window, text);
        QAccessible::updateAccessibility(&event);
#else
        // The appearance is what Orca speaks. Hidden again at once, or the
        // window's next showing would bring the old text back. The newest
        // stay, for a screen reader that comes to them late.
        auto *announcement = new Announcement(this, text);
        announcement->show();
        announcement->hide();
        const auto shown = findChildren<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i + keptAnnouncements < shown.size(); ++i)
            delete shown[i];
#endif
    }

    // The window itself, not one of its dialogs, as isActiveWindow() has it.
    bool isActive() const
    {
        return QApplication::activeWindow() == m_window;
    }

    static constexpr qsizetype keptAnnouncements = 16;

    QWidget *m_window;
    QString m_pending;
};

// Watches the keys Orca is silent on in a closed list, lets the list handle
// them as ever, and has each new entry spoken as the key chooses it, so
// that every step of a held key is heard with its own entry. A first
// letter, or an entry taken from the open list, Orca speaks itself.
class ChoiceWatch : public QObject
{
public:
    explicit ChoiceWatch(QComboBox *list) : QObject(list), m_list(list)
    {
        connect(list, &QComboBox::activated, this, &ChoiceWatch::chosen);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            m_arrow = event->type() == QEvent::KeyPress &&
                      isArrow(static_cast<QKeyEvent *>(event)->key());
        return false;
    }

private:
    static bool isArrow(int key)
    {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        default:
            return false;
        }
    }

    // The list chose `index` while it handled the key.
    void chosen(int index)
    {
        if (std::exchange(m_arrow, false) && m_list->hasFocus() && !m_list->view()->isVisible())
            announce(m_list->window(), m_list->itemText(index));
    }

    QComboBox *m_list;
    bool m_arrow = false;
};

// Asked each time: a form may be built, and so asked about, before it says
// that it is read as a dialog.
class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(QWidget *form) : QAccessibleWidget(form, QAccessible::Window) {}

    QAccessible::Role role() const override
    {
        const bool dialog = (qobject_cast<QDialog *>(widget()) &&
                             !widget()->property(toolWindowProperty).toBool()) ||
                            widget()->property(dialogProperty).toBool();
        return dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

class OptionAccessible : public QAccessibleWidget
{
public:
    explicit OptionAccessible(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && option()->accessibleName().isEmpty())
            return option()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction())
            option()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    // The group's name reaches Orca as the option's "labelled by".
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto result = QAccessibleWidget::relations(match);
        auto *label = option()->property(groupLabelProperty).value<QObject *>();
        if (label && (match & QAccessible::Label)) {
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label))
                result.append({iface, QAccessible::Label});
        }
        return result;
    }
};

// Stands in for Qt's own QAccessibleComboBox, which as of Qt 6.4 on Linux
// reports the chosen entry as the list's name (so its own name, "Birinci
// bant", is never heard) and offers no text interface for its value. To be
// checked again on a Qt upgrade: once Qt reports the list's own name, this
// may go.
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
    if (className == QLatin1String("QRadioButton"))
        return new OptionAccessible(static_cast<QRadioButton *>(widget));
    if (className == QLatin1String("Announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("AnnouncementBar"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    // A named drawing is a picture; its description says what it shows.
    if (className == QLatin1String("Shape") && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // One of the program's own windows, as marked where it is made; never a
    // window a platform theme or plugin brings.
    if (widget->isWindow() && widget->property(programWindowProperty).toBool())
        return new FormAccessible(widget);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(factory);
}

void markAsProgramWindow(QWidget *window)
{
    window->setProperty(programWindowProperty, true);
}

void presentAsToolWindow(QWidget *window)
{
    window->setProperty(toolWindowProperty, true);
}

void announce(QWidget *window, const QString &text)
{
    if (text.isEmpty())
        return;
    // The window's own, not that of a dialog it owns.
    auto *bar = window->findChild<AnnouncementBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        bar = new AnnouncementBar(window);
    bar->say(text);
}

void announceChoiceChanges(QComboBox *list)
{
    list->installEventFilter(new ChoiceWatch(list));
}

void setGroupLabel(QWidget *option, QWidget *label)
{
    option->setProperty(groupLabelProperty, QVariant::fromValue<QObject *>(label));
}

void presentAsDialog(QWidget *window, const QString &name)
{
    window->setAccessibleName(name);
    window->setProperty(dialogProperty, true);
}

#include "accessibility.moc"
