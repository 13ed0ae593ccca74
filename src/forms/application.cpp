#include "forms/application.h"

#include "forms/accessibility.h"
#include "forms/designer.h"
#include "i18n/language.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace
{

void installTexts()
{
    // The program's texts in English for those who ask for it; Qt's own
    // texts are English then too.
    if (language::installTranslator())
        return;

    // Otherwise Qt's own texts (the text boxes' context menu, standard dialog
    // buttons) in Turkish, like every caption of the program, whatever the
    // regional settings; without Qt's translations installed they stay
    // English.
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
}

} // namespace

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tavlora"));

    // For windows built without a design table, such as message boxes; the
    // forms carry the face themselves.
    QApplication::setFont(designer::windowFont());

    installTexts();

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
