#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The program itself, started as a child without a desktop: what its command
// line answers, and how it ends when it finds no desktop to show a window on.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void startsOffscreen_data();
    void startsOffscreen();

private:
    static QProcessEnvironment withoutDesktop();
};

QProcessEnvironment TestStartup::withoutDesktop()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment"); // added to one without a desktop
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // what standard output starts with
    QTest::addColumn<QString>("error");  // the one line on standard error, in part

    const QString usage = QStringLiteral("Kullanım: tavlora [SEÇENEK]...\n");
    const QString version = QStringLiteral("Tavlora " TAVLORA_VERSION "\n");
    const QString noDesktop = QStringLiteral("Tavlora bir masaüstü oturumunda");
    const QStringList none;

    QTest::newRow("-h") << QStringList{"-h"} << none << 0 << usage << QString();
    QTest::newRow("--help") << QStringList{"--help"} << none << 0 << usage << QString();
    QTest::newRow("-v") << QStringList{"-v"} << none << 0 << version << QString();
    QTest::newRow("--version") << QStringList{"--version"} << none << 0 << version << QString();
    QTest::newRow("after Qt's options")
        << QStringList{"-style", "fusion", "--platform", "xcb", "-reverse", "--version"} << none
        << 0 << version << QString();
    QTest::newRow("a Qt value that looks like an option")
        << QStringList{"-qwindowtitle", "--renk", "-h"} << none << 0 << usage << QString();

    QTest::newRow("unknown long option")
        << QStringList{"--renk", "--help"} << none << 2 << QString()
        << QStringLiteral("tanınmayan seçenek '--renk'");
    QTest::newRow("unknown short option")
        << QStringList{"-x"} << none << 2 << QString() << QStringLiteral("tanınmayan seçenek '-x'");
    QTest::newRow("--help takes no value") << QStringList{"--help=1"} << none << 2 << QString()
                                           << QStringLiteral("tanınmayan seçenek '--help=1'");
    QTest::newRow("operand") << QStringList{"direnc.txt"} << none << 2 << QString()
                             << QStringLiteral("fazladan terim 'direnc.txt'");
    QTest::newRow("operand after --") << QStringList{"--", "-h"} << none << 2 << QString()
                                      << QStringLiteral("fazladan terim '-h'");
    QTest::newRow("Qt option without its value")
        << QStringList{"-style"} << none << 2 << QString()
        << QStringLiteral("değer bekleyen seçenek '-style'");

    QTest::newRow("no display") << QStringList() << none << 1 << QString() << noDesktop;
    QTest::newRow("no display, Qt options")
        << QStringList{"-style=fusion", "-reverse", "--"} << none << 1 << QString() << noDesktop;
    QTest::newRow("unreachable X display")
        << QStringList() << QStringList{"DISPLAY=:7301"} << 1 << QString() << noDesktop;
    QTest::newRow("unreachable X display named on the command line")
        << QStringList{"-platform", "xcb", "-display", ":7301"} << none << 1 << QString()
        << noDesktop;

    // A platform plugin that is missing is named, with Qt's reason and the fix.
    QTest::newRow("-platform yok")
        << QStringList{"-platform", "yok"} << none << 1 << QString()
        << QStringLiteral("\"yok\" adlı Qt platform eklentisi bulunamadı (Qt: Could not find the "
                          "Qt platform plugin \"yok\"");
    // Without a Wayland display the plugin, where installed, finds no desktop.
    const bool waylandInstalled =
        QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
            .exists(QStringLiteral("libqwayland-generic.so"));
    QTest::newRow("QT_QPA_PLATFORM=wayland")
        << QStringList() << QStringList{"QT_QPA_PLATFORM=wayland"} << 1 << QString()
        << (waylandInstalled ? noDesktop
                             : QStringLiteral("\"wayland\" adlı Qt platform eklentisi "
                                              "bulunamadı (Qt: Could not find the Qt platform "
                                              "plugin \"wayland\" in \"\"); qt6-wayland "
                                              "paketini kurunuz"));
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);

    QProcessEnvironment childEnvironment = withoutDesktop();
    for (const QString &setting : environment)
        childEnvironment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    // The Turkish text must not depend on the user's language.
    childEnvironment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));

    QProcess program;
    program.setProcessEnvironment(childEnvironment);
    program.start(QStringLiteral(TAVLORA_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(30000), "the program did not end");

    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    // An ordinary end with the status, never Qt's abort.
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    if (output.isEmpty()) {
        QCOMPARE(out, QString());
    } else {
        QVERIFY2(out.startsWith(output), qPrintable(out));
    }
    if (error.isEmpty()) {
        QCOMPARE(err, QString());
    } else {
        QVERIFY2(err.startsWith(QStringLiteral("tavlora: ")) && err.contains(error) &&
                     err.count(u'\n') == 1 && err.endsWith(u'\n'),
                 qPrintable(err));
    }
}

void TestStartup::startsOffscreen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform");

    QTest::newRow("-platform offscreen") << QStringList{"-platform", "offscreen"} << QString();
    QTest::newRow("QT_QPA_PLATFORM=offscreen") << QStringList() << QStringLiteral("offscreen");
}

void TestStartup::startsOffscreen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);

    // Offscreen is no desktop session, but a window system all the same: the
    // program keeps running with its window until it is ended.
    QProcessEnvironment environment = withoutDesktop();
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAVLORA_PROGRAM), arguments);
    QVERIFY(program.waitForStarted());
    const bool ended = program.waitForFinished(3000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY2(!ended, qPrintable(QString::fromUtf8(program.readAllStandardError())));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
