#include "forms/application.h"

#include "forms/accessibility.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

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
    // the launcher by its file name. The icon is read as PNG outright: left
    // to guess, the reader would first load every image format plugin to ask
    // whether it knows the file, at a cost to start-up time and memory.
    Q_INIT_RESOURCE(icons);
    QImageReader reader(QStringLiteral(":/icons/48/org.example.Tavlora.png"), "png");
    reader.setAutoDetectImageFormat(false);
    const QIcon icon(QPixmap::fromImage(reader.read()));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tavlora"));
}
