#include "forms/application.h"

#include "forms/accessibility.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tavlora"));

    // The windows are laid out for a small 8-point face; Qt's usual default
    // on Linux is wider and would clip captions at the design sizes.
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    QApplication::setFont(font);

    // The program ends when the main window closes, not when the last
    // visible window goes.
    QApplication::setQuitOnLastWindowClosed(false);

    installAccessibility();

    // The windows show the launcher's icon, and the desktop matches them to
    // the launcher by its file name.
    Q_INIT_RESOURCE(icons);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/48/org.example.Tavlora.png"));
    icon.addFile(QStringLiteral(":/icons/256/org.example.Tavlora.png"));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tavlora"));
}
