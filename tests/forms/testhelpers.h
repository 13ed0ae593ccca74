#pragma once

// What the window tests share: answering message boxes, checking that a
// caption is shown whole in its control, and hearing what a screen reader is
// told.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cmath>

// "4,7 Kilo Ohm" written for a decimal comma, in the user's own format; a
// comma that separates words stays.
inline QString inUserFormat(QString text)
{
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u',' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, QLocale::system().decimalPoint());
    return text;
}

#ifdef TAVLORA_ENGLISH_QM
// The program's English texts, installed for as long as the object lives;
// windows built meanwhile speak English.
class EnglishTexts
{
public:
    EnglishTexts()
    {
        m_loaded = m_translator.load(QStringLiteral(TAVLORA_ENGLISH_QM)) &&
                   QCoreApplication::installTranslator(&m_translator);
    }
    ~EnglishTexts() { QCoreApplication::removeTranslator(&m_translator); }
    EnglishTexts(const EnglishTexts &) = delete;
    EnglishTexts &operator=(const EnglishTexts &) = delete;
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
#endif

struct SeenMessage {
    bool shown = false;
    QString caption;
    QString text;
    QStringList buttons;
};

// Reads and answers the next modal message box once it is up.
inline void answerNextMessage(SeenMessage &seen)
{
    QTimer::singleShot(0, qApp, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.shown = true;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        box->buttons().constFirst()->click();
    });
}

// Room a control leaves for its caption, by the widget's own style.
inline int captionRoom(QWidget *widget)
{
    QStyle *style = widget->style();
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = true;
        return style
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width();
    }
    if (auto *option = qobject_cast<QRadioButton *>(widget)) {
        return option->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    }
    if (qobject_cast<QPushButton *>(widget))
        return widget->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
    return widget->width();
}

inline bool captionFits(QWidget *widget, const QString &caption)
{
    return widget->fontMetrics().horizontalAdvance(caption) <= captionRoom(widget);
}

// The texts the program announces to a screen reader: the names of the
// notifications that appear (Qt tells the screen reader of each appearance).
// Accessibility is off on the offscreen platform, so the appearances are seen
// as the widgets' own show events. From Qt 6.8 on the program sends Qt's
// announcement event instead, seen through Qt's accessibility update handler.
class AnnouncementSpy : public QObject
{
public:
    AnnouncementSpy()
    {
        qApp->installEventFilter(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        current = this;
        previous = QAccessible::installUpdateHandler(&AnnouncementSpy::update);
#endif
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    ~AnnouncementSpy() override
    {
        QAccessible::installUpdateHandler(previous);
        current = nullptr;
    }
#endif

    QStringList heard;

    // What a screen reader that comes to each announcement late reads from
    // it now.
    QStringList readLate() const
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        return heard; // Qt's event carries its text
#else
        QStringList texts;
        for (const QPointer<QObject> &notification : m_notifications) {
            QAccessibleInterface *iface =
                notification ? QAccessible::queryAccessibleInterface(notification) : nullptr;
            texts << (iface ? iface->text(QAccessible::Name) : QStringLiteral("(gone)"));
        }
        return texts;
#endif
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(watched);
            if (iface && iface->role() == QAccessible::Notification) {
                heard << iface->text(QAccessible::Name);
                m_notifications << watched;
            }
        }
        return false;
    }

private:
    QList<QPointer<QObject>> m_notifications;

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    static void update(QAccessibleEvent *event)
    {
        if (current && event->type() == QAccessible::Announcement)
            current->heard << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
        if (previous)
            previous(event);
    }

    static inline AnnouncementSpy *current = nullptr;
    static inline QAccessible::UpdateHandler previous = nullptr;
#endif
};

// Contrast of two colours as WCAG 2 measures it, from 1 to 21.
inline double contrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

// While it lives, the application font is a larger, wider one, as platform
// themes such as qt6ct set it after start-up.
struct ThemeFont {
    QFont before = QApplication::font();
    ThemeFont()
    {
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        // Shown windows hear of the change through the event queue.
        QCoreApplication::sendPostedEvents();
    }
    ~ThemeFont() { QApplication::setFont(before); }
};
