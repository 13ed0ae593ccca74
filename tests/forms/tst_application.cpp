#include "forms/application.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTest>

// The windows' icon and the name by which the desktop finds their launcher.
class TestApplication : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void windowIcon();
    void desktopEntryMatches();
};

void TestApplication::initTestCase()
{
    prepareApplication();
}

void TestApplication::windowIcon()
{
    // The size a window's title bar shows.
    const int size = 48;
    const QIcon icon = QApplication::windowIcon();
    QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
             "the icon is not built into the program at this size");

    // A real drawing, not an empty image: the resistor lies across the
    // centre, and the corners stay clear.
    const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(size / 2, size / 2).alpha(), 255);
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(size - 1, size - 1).alpha(), 0);
}

void TestApplication::desktopEntryMatches()
{
    // The desktop ties a window to its launcher by this name, so a launcher
    // of that name must exist and show the same icon.
    QFile entry(
        QStringLiteral(TAVLORA_DATA_DIR "/%1.desktop").arg(QGuiApplication::desktopFileName()));
    QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(entry.fileName()));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(u'\n');
    QVERIFY(lines.contains(QStringLiteral("Icon=") + QGuiApplication::desktopFileName()));
    // On X11 docks match windows by their class, which Qt takes from the
    // application's name.
    QVERIFY(
        lines.contains(QStringLiteral("StartupWMClass=") + QCoreApplication::applicationName()));
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
