#pragma once

// Looking at a window built with the English texts: every text it shows or
// gives a screen reader, and which of them still carry Turkish letters.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

// The window's title, and of the window and each control: its caption or
// text, list entries, placeholder, tooltip, accessible name and
// description, and the texts of its actions (menus).
inline QStringList windowTexts(QWidget *window)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    QStringList texts{window->windowTitle()};
    for (QWidget *w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w))
            texts << iface->text(QAccessible::Name) << iface->text(QAccessible::Description);
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *box = qobject_cast<QLineEdit *>(w))
            texts << box->text() << box->placeholderText();
        if (auto *list = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto *list = qobject_cast<QListWidget *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        for (QAction *action : w->actions())
            texts << action->text() << action->toolTip();
    }
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// The texts among `texts` with a letter of Turkish's own.
inline QStringList withTurkishLetters(const QStringList &texts)
{
    static const QRegularExpression turkish(QStringLiteral("[çğıöşüÇĞİÖŞÜ]"));
    QStringList found;
    for (const QString &text : texts)
        if (turkish.match(text).hasMatch())
            found << text;
    return found;
}
