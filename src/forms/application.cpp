#include "forms/application.h"

#include "forms/accessibility.h"

#include <QApplication>
#include <QFont>

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
}
