#include "paintedpart.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

// The program itself, started as a child without a desktop: what its command
// line answers, and how it ends when it finds no desktop to show a window on.
// The longest line a reader takes.
constexpr int maxLine = 4096;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void commandLine_data();
    void commandLine();
    void startsOffscreen_data();
    void startsOffscreen();
    void answers_data();
    void answers();
    void json_data();
    void json();
    void bounds_data();
    void bounds();
    void photoFiles_data();
    void photoFiles();
    void sameShape_data();
    void sameShape();
    void combineLines_data();
    void combineLines();
    void language_data();
    void language();
    void english_data();
    void english();
    void jsonLanguages_data();
    void jsonLanguages();

private:
    static QProcessEnvironment withoutDesktop();
    struct Run {
        int status = -1;
        QString out, err;
    };
    // The program without a desktop, in a locale, with standard input; with
    // `shell`, run by a shell that adds those words to its command
    // (redirections, names the shell makes).
    static Run run(const QStringList &arguments, const QString &locale,
                   const QStringList &environment = {}, const QByteArray &input = {},
                   const QString &shell = {}, const QString &directory = {});

    QTemporaryDir m_dir;
    QString m_photo;      // a painted four-band part, 480 × 360
    QString m_threeBands; // a painted part without a tolerance band
    QString m_plain;      // a grey photo with nothing on it
};

namespace
{

bool writePainted(const paintedpart::Part &part, const QString &path)
{
    const photo::RgbImage image = paintedpart::paint(part);
    return QImage(image.rgb.data(), image.width, image.height, image.width * 3,
                  QImage::Format_RGB888)
        .save(path);
}

} // namespace

void TestStartup::initTestCase()
{
    using enum colorcode::Colour;
    QVERIFY(m_dir.isValid());
    m_photo = m_dir.filePath(QStringLiteral("direnc.png"));
    m_threeBands = m_dir.filePath(QStringLiteral("uc-bant.png"));
    const photo::Ends ends{{150, 210}, {320, 150}};
    QVERIFY(
        writePainted({{Kirmizi, Kirmizi, Turuncu, Altin}, paintedpart::beige, ends, 48}, m_photo));
    QVERIFY(
        writePainted({{Sari, Mor, Kirmizi, Renksiz}, paintedpart::beige, ends, 48}, m_threeBands));
    m_plain = m_dir.filePath(QStringLiteral("bos.png"));
    QImage plain(480, 360, QImage::Format_RGB888);
    plain.fill(QColor(180, 180, 180));
    QVERIFY(plain.save(m_plain));
}

QProcessEnvironment TestStartup::withoutDesktop()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    // The Turkish texts, whatever the settings the tests run under; the
    // cases that want English say so.
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("tr"));
    return environment;
}

void TestStartup::cleanupTestCase()
{
    // Named by bytes that are no text: QTemporaryDir could not remove it.
    std::remove((QFile::encodeName(m_dir.path()) + "/d\xfcz.png").constData());
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

TestStartup::Run TestStartup::run(const QStringList &arguments, const QString &locale,
                                  const QStringList &environment, const QByteArray &input,
                                  const QString &shell, const QString &directory)
{
    QProcessEnvironment childEnvironment = withoutDesktop();
    childEnvironment.insert(QStringLiteral("LC_ALL"), locale);
    childEnvironment.insert(QStringLiteral("LOCPATH"), QStringLiteral(TAVLORA_LOCALES));
    for (const QString &setting : environment)
        childEnvironment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(childEnvironment);
    if (!directory.isEmpty())
        program.setWorkingDirectory(directory);
    if (shell.isEmpty())
        program.start(QStringLiteral(TAVLORA_PROGRAM), arguments);
    else
        program.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"),
                                  QStringLiteral("exec \"$0\" \"$@\" ") + shell,
                                  QStringLiteral(TAVLORA_PROGRAM)} +
                          arguments);
    program.write(input);
    program.closeWriteChannel();
    Run result;
    // A program that hangs fails here: the status stays -1.
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = program.exitCode();
    result.out = QString::fromUtf8(program.readAllStandardOutput());
    result.err = QString::fromUtf8(program.readAllStandardError());
    return result;
}

void TestStartup::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");     // what standard output starts with
    QTest::addColumn<int>("lines");          // on standard output; -1 for any number
    QTest::addColumn<QStringList>("errors"); // each line on standard error, in part

    const QString tr = QStringLiteral("tr_TR.UTF-8");
    const QString c = QStringLiteral("C");
    const QByteArray none;
    const QStringList quiet;
    const QString fourSevenK = QStringLiteral("4,7 Kilo Ohm  ± % 5\nE24 standart değeri\n");

    QTest::newRow("--bands") << QStringList{"--bands", "sarı mor kırmızı altın"} << tr << none << 0
                             << fourSevenK << 2 << quiet;
    QTest::newRow("--bands, C locale")
        << QStringList{"--bands", "sarı mor kırmızı altın"} << c << none << 0
        << QStringLiteral("4.7 Kilo Ohm  ± % 5\nE24 standart değeri\n") << 2 << quiet;
    // Every spelling of the same colours.
    for (const char *words :
         {"SARI MOR KIRMIZI ALTIN", "sari mor kirmizi altin", "Sarı Mor Kırmızı Altın",
          "YE-VT-RD-GD", "ye vt rd gd", "sarı, mor, kırmızı, altın", "yellow violet red gold",
          "Yellow PURPLE Red Gold", " sarı,,mor -- kırmızı\taltın ", "SARİ MOR KİRMİZİ ALTİN"})
        QTest::addRow("colour words: %s", words)
            << QStringList{QStringLiteral("--bands=") + QString::fromUtf8(words)} << tr << none << 0
            << fourSevenK << 2 << quiet;
    QTest::newRow("SIYAH first, I and İ alike")
        << QStringList{"--bands", "SIYAH Kahverengi KIRMIZI gümüş"} << tr << none << 0
        << QStringLiteral("100 Ohm  ± % 10\nE12 standart değeri\n") << 2 << quiet;
    QTest::newRow("grey and gray") << QStringList{"--bands", "grey gray black GD"} << tr << none
                                   << 0 << QStringLiteral("88 Ohm  ± % 5\n") << 2 << quiet;
    QTest::newRow("three colours: no tolerance band")
        << QStringList{"--bands", "sarı mor kırmızı"} << tr << none << 0
        << QStringLiteral("4,7 Kilo Ohm  ± % 20\nE6 standart değeri\n") << 2 << quiet;
    QTest::newRow("none as the tolerance")
        << QStringList{"--bands", "BN BK RD none"} << tr << none << 0
        << QStringLiteral("1000 Ohm  ± % 20\nE6 standart değeri\n") << 2 << quiet;
    QTest::newRow("six bands")
        << QStringList{"--bands", "kahverengi siyah siyah kırmızı kahverengi mavi"} << tr << none
        << 0 << QStringLiteral("10 Kilo Ohm  ± % 1  10 ppm/K\nE96 standart değeri\n") << 2 << quiet;
    QTest::newRow("0 Ω: no standard line")
        << QStringList{"--bands", "siyah siyah siyah altın"} << tr << none << 0
        << QStringLiteral("0 Ohm  ± % 5\n") << 1 << quiet;
    QTest::newRow("-- ends the options") << QStringList{"--bands", "sarı mor kırmızı altın", "--"}
                                         << tr << none << 0 << fourSevenK << 2 << quiet;
    QTest::newRow("beside Qt's options")
        << QStringList{"-style", "fusion", "--bands", "sarı mor kırmızı altın", "-reverse"} << tr
        << none << 0 << fourSevenK << 2 << quiet;

    // Refused words: the word, its band and what the band takes.
    const QString digits = QStringLiteral(
        "bu bant Siyah, Kahverengi, Kırmızı, Turuncu, Sarı, Yeşil, Mavi, Mor, Gri ya da Beyaz");
    QTest::newRow("Altın as a first digit")
        << QStringList{"--bands", "altın mor kırmızı altın"} << tr << none << 1 << QString() << 0
        << QStringList{"1. bant (rakam): Altın rakam olamaz; " + digits};
    QTest::newRow("gold as a second digit")
        << QStringList{"--bands", "sarı gold kırmızı altın"} << tr << none << 1 << QString() << 0
        << QStringList{"2. bant (rakam): \"gold\" (Altın) rakam olamaz"};
    QTest::newRow("Pembe as a tolerance")
        << QStringList{"--bands", "sarı mor kırmızı pembe"} << tr << none << 1 << QString() << 0
        << QStringList{"4. bant (tolerans): Pembe tolerans olamaz; bu bant Altın, Gümüş, "
                       "Renksiz, Kahverengi"};
    QTest::newRow("Renksiz as a multiplier")
        << QStringList{"--bands", "sarı mor renksiz altın"} << tr << none << 1 << QString() << 0
        << QStringList{"3. bant (çarpan): Renksiz çarpan olamaz"};
    QTest::newRow("Gümüş as a coefficient")
        << QStringList{"--bands", "BN BK BK RD BN SR"} << tr << none << 1 << QString() << 0
        << QStringList{"6. bant (sıcaklık katsayısı): \"SR\" (Gümüş) sıcaklık katsayısı olamaz"};
    QTest::newRow("no colour") << QStringList{"--bands", "sarı mxr kırmızı altın"} << tr << none
                               << 1 << QString() << 0
                               << QStringList{"2. bant (rakam): \"mxr\" bir renk adı değil; " +
                                              digits};
    QTest::newRow("a single letter is no colour")
        << QStringList{"--bands", "s m k a"} << tr << none << 1 << QString() << 0
        << QStringList{"1. bant (rakam): \"s\" bir renk adı değil"};
    QTest::newRow("two colours") << QStringList{"--bands", "sarı mor"} << tr << none << 1
                                 << QString() << 0
                                 << QStringList{"3 ile 6 arasında renk gerekir; 2 renk yazıldı"};
    QTest::newRow("seven colours") << QStringList{"--bands", "BN BK BK BK BK BK BK"} << tr << none
                                   << 1 << QString() << 0 << QStringList{"7 renk yazıldı"};

    // Values, with the value box's grammar and messages.
    QTest::newRow("--value") << QStringList{"--value", "4K7"} << tr << none << 0
                             << "Sarı Mor Kırmızı Altın\n" + fourSevenK << 3 << quiet;
    QTest::newRow("--value, cut: the window's note")
        << QStringList{"--value", "4K75"} << tr << none << 0
        << "Sarı Mor Kırmızı Altın\n" + fourSevenK << 3
        << QStringList{"4 bantta 4,7 Kilo Ohm olarak gösterilir; 5 bant gerekir"};
    QTest::newRow("--value on five bands")
        << QStringList{"--value", "4,7", "--unit", "Kohm", "--band-count=5", "--tolerance", "1"}
        << tr << none << 0
        << QStringLiteral("Sarı Mor Siyah Kahverengi Kahverengi\n4,7 Kilo Ohm  ± % 1\n") << 3
        << quiet;
    QTest::newRow("--value on six bands, tolerance with a point")
        << QStringList{"--value", "10K", "--band-count", "6", "--tolerance", "0.25", "--tcr", "50"}
        << tr << none << 0
        << QStringLiteral("Kahverengi Siyah Siyah Kırmızı Mavi Kırmızı\n10 Kilo Ohm  ± % 0,25  "
                          "50 ppm/K\n")
        << 3 << quiet;
    QTest::newRow("--value, the other separator")
        << QStringList{"--value", "4.7K"} << tr << none << 1 << QString() << 0
        << QStringList{"Ondalık ayırıcı olarak \",\" kullanınız"};
    QTest::newRow("--value, too small") << QStringList{"--value", "0,0001"} << tr << none << 1
                                        << QString() << 0 << QStringList{"0,001"};

    QTest::newRow("--smd") << QStringList{"--smd", "01C"} << tr << none << 0
                           << QStringLiteral("10 Kilo Ohm\nEIA-96: 01 = 100, C = × 100\n") << -1
                           << quiet;
    QTest::newRow("--smd, two readings") << QStringList{"--smd", "47R"} << tr << none << 0
                                         << QStringLiteral("3,01 Ohm\n") << -1 << quiet;
    QTest::newRow("--smd, three significant digits with R: ± 1 %")
        << QStringList{"--smd", "49R9"} << tr << none << 0
        << QStringLiteral("49,9 Ohm\nR ondalık: 49R9 = 49,9\nTolerans: ± % 1 (4 haneli kod)\n"
                          "E96 standart değeri\n")
        << 4 << quiet;
    QTest::newRow("--smd-for, a code read first as another value")
        << QStringList{"--smd-for", "1G"} << tr << none << 0
        << QStringLiteral("3 haneli: 108 (eski cihazlarda 0,1 Ohm okunur)\n4 haneli: 1007\n") << 3
        << quiet;
    QTest::newRow("--smd, refused") << QStringList{"--smd", "XYZ"} << tr << none << 1 << QString()
                                    << 0 << QStringList{"SMD kodu"};
    QTest::newRow("--smd-for") << QStringList{"--smd-for", "4K7"} << tr << none << 0
                               << QStringLiteral("3 haneli: 472\n4 haneli: 4701\nEIA-96: ") << -1
                               << quiet;
    QTest::newRow("--cap") << QStringList{"--cap", "104"} << tr << none << 0
                           << QStringLiteral("100 nF\nAynı değer: 100000 pF = 100 nF = 0,1 µF\n")
                           << -1 << quiet;
    QTest::newRow("--cap, C locale") << QStringList{"--cap", "479"} << c << none << 0
                                     << QStringLiteral("4.7 pF\n") << -1 << quiet;
    QTest::newRow("--cap, two readings")
        << QStringList{"--cap", "109"} << tr << none << 0 << QStringLiteral("1 pF\n") << 6 << quiet;
    QTest::newRow("--cap, refused") << QStringList{"--cap", "4x7"} << tr << none << 1 << QString()
                                    << 0 << QStringList{"kondansatör kodu değil"};
    QTest::newRow("--cap, standard input")
        << QStringList{"--cap", "-"} << tr << QByteArray("S3\n\n4n7\r\nxx\n") << 1
        << QStringLiteral("4,7 nF\n") << -1 << QStringList{"satır 4: "};
    QTest::newRow("--cap-for") << QStringList{"--cap-for", "4,7n"} << tr << none << 0
                               << QStringLiteral("4,7 nF\n3 haneli: 472\n") << 6 << quiet;
    QTest::newRow("--cap-for, µF") << QStringList{"--cap-for", "0,1uF"} << tr << none << 0
                                   << QStringLiteral("100 nF\n3 haneli: 104\n") << 6 << quiet;
    QTest::newRow("--cap-for, the other mark")
        << QStringList{"--cap-for", "4.7n"} << tr << none << 1 << QString() << 0
        << QStringList{"ondalık işareti"};
    QTest::newRow("--cap-for, no unit") << QStringList{"--cap-for", "100"} << tr << none << 1
                                        << QString() << 0 << QStringList{"birim gerekli"};
    QTest::newRow("--inductor") << QStringList{"--inductor", "kırmızı mor kahverengi altın"} << tr
                                << none << 0 << QStringLiteral("270 µH\nTolerans: ± % 5\n") << -1
                                << quiet;
    QTest::newRow("--inductor, military")
        << QStringList{"--inductor", "gümüş kırmızı altın kırmızı gümüş"} << tr << none << 0
        << QStringLiteral("2,2 µH\nTolerans: ± % 10\n") << -1 << quiet;
    QTest::newRow("--inductor, dots") << QStringList{"--inductor", "nokta gri kırmızı siyah"} << tr
                                      << none << 1 << QString() << 0 << QStringList{"seriye özgü"};
    QTest::newRow("--inductor, not a tolerance")
        << QStringList{"--inductor", "kırmızı mor kahverengi mavi"} << tr << none << 1 << QString()
        << 0 << QStringList{"tolerans rengi değil"};
    QTest::newRow("--inductor-for")
        << QStringList{"--inductor-for", "270u"} << tr << none << 0
        << QStringLiteral("270 µH\n4 bant: Kırmızı Mor Kahverengi") << 5 << quiet;
    QTest::newRow("--inductor-for, µH")
        << QStringList{"--inductor-for", "2,2µH"} << tr << none << 0
        << QStringLiteral("2,2 µH\n4 bant: Kırmızı Kırmızı Altın") << 5 << quiet;
    QTest::newRow("--combine") << QStringList{"--combine", "9K", "--series", "E6", "--parts", "2"}
                               << tr << none << 0
                               << QStringLiteral("2,2 Kilo Ohm + 6,8 Kilo Ohm = 9 Kilo Ohm  tam")
                               << -1 << quiet;
    QTest::newRow("--ratio") << QStringList{"--ratio", "0,66", "--series", "E24"} << tr << none << 0
                             << QStringLiteral("R1 ") << 10 << quiet;
    QTest::newRow("--ratio, range and left out")
        << QStringList{"--ratio", "0.66",      "--series", "E24+E96",      "--range",
                       "1K-100K", "--without", "4K7",      "--without=9K1"}
        << tr << none << 0 << QStringLiteral("R1 ") << 10 << quiet;
    // Beyond what the parts can make: one line saying so, nothing answered.
    QTest::newRow("--combine beyond the range")
        << QStringList{"--combine", "999G"} << tr << none << 1 << QString() << 0
        << QStringList{"Hedef (999000 Mega Ohm) 1 Ohm \u2013 10 Mega Ohm aralığının parçalarıyla "
                       "yapılamaz: en çok 2 parça 0,5 Ohm ile 20 Mega Ohm arasını verir."};
    QTest::newRow("--ratio beyond the range")
        << QStringList{"--ratio", "0,0000001"} << tr << none << 1 << QString() << 0
        << QStringList{"Bu oran 1000 Ohm \u2013 1000 Kilo Ohm aralığının parçalarıyla yapılamaz: "
                       "iki parça 0,000999 ile 0,99901 arasını verir."};
    QTest::newRow("--photo, no file") << QStringList{"--photo", "/yok/direnc.jpg"} << tr << none
                                      << 1 << QString() << 0 << QStringList{"Fotoğraf açılamadı"};

    // Doubtful bands: every reading, those agreeing with a measurement first.
    const QString doubtReadings =
        QStringLiteral("Kahverengi Siyah Kırmızı Altın  1000 Ohm  ± % 5\n"
                       "Kahverengi Siyah Kahverengi Altın  100 Ohm  ± % 5\n"
                       "Kahverengi Siyah Turuncu Altın  10 Kilo Ohm  ± % 5\n");
    QTest::newRow("a doubtful band") << QStringList{"--bands", "kahverengi siyah kırmızı? altın"}
                                     << tr << none << 0 << doubtReadings << 3 << quiet;
    QTest::newRow("a doubtful band, 1,02k measured")
        << QStringList{"--bands", "kahverengi siyah kırmızı? altın", "--measured", "1,02k"} << tr
        << none << 0 << doubtReadings << 3 << quiet;
    QTest::newRow("measured 102: 100 Ohm first")
        << QStringList{"--bands", "BN BK RD? GD", "--measured", "102"} << tr << none << 0
        << QStringLiteral("Kahverengi Siyah Kahverengi Altın  100 Ohm  ± % 5\n") << 3 << quiet;
    QTest::newRow("measured with a point under C")
        << QStringList{"--bands", "BN BK RD? GD", "--measured=9.9K"} << c << none << 0
        << QStringLiteral("Kahverengi Siyah Turuncu Altın  10 Kilo Ohm  ± % 5\n") << 3 << quiet;
    QTest::newRow("doubtful Altın: three tolerances")
        << QStringList{"--bands", "BN BK RD GD?", "--measured", "1K"} << tr << none << 0
        << QStringLiteral("Kahverengi Siyah Kırmızı Altın  1000 Ohm  ± % 5\n"
                          "Kahverengi Siyah Kırmızı Turuncu  1000 Ohm  ± % 0,05\n"
                          "Kahverengi Siyah Kırmızı Sarı  1000 Ohm  ± % 0,02\n")
        << 3 << quiet;
    QTest::newRow("three colours, the last doubtful")
        << QStringList{"--bands", "BN BK RD?"} << tr << none << 0
        << QStringLiteral("Kahverengi Siyah Kırmızı  1000 Ohm  ± % 20\n") << 3 << quiet;
    QTest::newRow("no band in doubt, measured")
        << QStringList{"--bands", "BN BK RD GD", "--measured", "1,07k"} << tr << none << 0
        << QStringLiteral("Kahverengi Siyah Kırmızı Altın  1000 Ohm  ± % 5\n") << 1 << quiet;
    QTest::newRow("nothing agrees: one line on standard error")
        << QStringList{"--bands", "BN BK RD? GD", "--measured", "5K"} << tr << none << 1
        << QString() << 0
        << QStringList{"3 okumanın hiçbiri ölçümle uyuşmuyor; en yakını: Kahverengi Siyah "
                       "Kırmızı Altın, 1000 Ohm"};
    QTest::newRow("beyond tolerance and 2 %")
        << QStringList{"--bands", "BN BK RD GD", "--measured", "1,1k"} << tr << none << 1
        << QString() << 0 << QStringList{"1 okumanın hiçbiri ölçümle uyuşmuyor"};
    QTest::newRow("a wider meter error")
        << QStringList{"--bands", "BN BK RD GD", "--measured", "1,1k", "--meter-error", "5"} << tr
        << none << 0 << QStringLiteral("Kahverengi Siyah Kırmızı Altın  1000 Ohm  ± % 5\n") << 1
        << quiet;
    QTest::newRow("a lone ? is no colour")
        << QStringList{"--bands", "BN BK RD ? GD"} << tr << none << 1 << QString() << 0
        << QStringList{"4. bant (çarpan): \"?\" bir renk adı değil"};
    QTest::newRow("standard input with doubts")
        << QStringList{"--bands", "-", "--measured", "1k"} << tr
        << QByteArray("BN BK RD? GD\nRD RD RD GD\n") << 1
        << QStringLiteral("Kahverengi Siyah Kırmızı Altın  1000 Ohm  ± % 5\n") << 3
        << QStringList{"satır 2: 1 okumanın hiçbiri ölçümle uyuşmuyor"};

    // Standard input: one input a line, answers apart, refusals numbered.
    QTest::newRow("standard input")
        << QStringList{"--bands", "-"} << tr
        << QByteArray("sar\xc4\xb1 mor k\xc4\xb1rm\xc4\xb1z\xc4\xb1 alt\xc4\xb1n\nfoo bar baz\n"
                      "\nBN BK BK GD\n")
        << 1 << fourSevenK + QStringLiteral("\n10 Ohm  ± % 5\nE24 standart değeri\n") << 4
        << QStringList{"satır 2: 1. bant (rakam): \"foo\" bir renk adı değil"};
    QTest::newRow("standard input, all answered")
        << QStringList{"--value", "-", "--json"} << tr << QByteArray("4K7\r\n10K\n") << 0
        << QStringLiteral("{\"bands\":[\"Sarı\",\"Mor\",\"Kırmızı\",\"Altın\"]") << 2 << quiet;

    // Usage errors.
    const auto usage = [&](const char *name, const QStringList &arguments, const QString &error) {
        QTest::newRow(name) << arguments << tr << none << 2 << QString() << 0
                            << QStringList{error + "'; yardım için: tavlora --help"};
    };
    usage("two answering options", {"--bands", "BN BK RD GD", "--value", "1K"},
          "tek bir yanıt seçeneği verilebilir; fazladan '--value");
    usage("the same one twice", {"--smd", "472", "--smd=103"},
          "tek bir yanıt seçeneği verilebilir; fazladan '--smd=103");
    usage("--json alone", {"--json"}, "bir yanıt seçeneği olmadan verilen seçenek '--json");
    usage("--json with a value", {"--json=1", "--smd", "472"}, "değer almayan seçenek '--json=1");
    usage("a value missing", {"--bands"}, "değer bekleyen seçenek '--bands");
    usage("a modifier of another option", {"--bands", "BN BK RD GD", "--unit", "Kohm"},
          "--bands ile kullanılamayan seçenek '--unit");
    usage("--tcr on four bands", {"--value", "1K", "--tcr", "50"},
          "--tcr yalnız 6 bantta geçerli (--band-count 6) '--tcr");
    usage("no such band count", {"--value", "1K", "--band-count", "3"},
          "--band-count 4, 5 ya da 6 olur; verilen '3");
    usage("no such tolerance", {"--value", "1K", "--tolerance", "3"}, "verilen '3");
    usage("no such unit", {"--value", "1K", "--unit", "kiloohm"}, "verilen 'kiloohm");
    usage("no such series", {"--combine", "1K", "--series", "E5"}, "verilen 'E5");
    usage("four parts", {"--combine", "1K", "--parts", "4"},
          "--parts 1, 2 ya da 3 olur; verilen '4");
    usage("bad ends", {"--photo", "a.jpg", "--ends", "1,2,3"},
          "--ends X1,Y1,X2,Y2 biçiminde piksel olur; verilen '1,2,3");
    usage("no abbreviations", {"--band", "BN BK RD GD"}, "tanınmayan seçenek '--band");
    usage("--measured with --value", {"--value", "1K", "--measured", "1K"},
          "--value ile kullanılamayan seçenek '--measured");
    usage("--meter-error alone", {"--bands", "BN BK RD GD", "--meter-error", "1"},
          "--meter-error yalnız --measured ile geçerli '--meter-error");
    usage("--meter-error above 100",
          {"--bands", "BN BK RD GD", "--measured", "1K", "--meter-error", "101"},
          "--meter-error 0 ile 100 arasında bir yüzde olur; verilen '101");
    usage("--measured, the other separator", {"--bands", "BN BK RD GD", "--measured", "1.02K"},
          "--measured: Ondalık ayırıcı olarak \",\" kullanınız (örnek: 4,7); verilen '1.02K");
}

void TestStartup::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(int, lines);
    QFETCH(QStringList, errors);

    // A platform asked for, and no display: an answer never starts it.
    const Run result = run(arguments, locale, {QStringLiteral("QT_QPA_PLATFORM=xcb")}, input);
    QCOMPARE(result.status, status);
    QVERIFY2(result.out.startsWith(output), qPrintable(result.out));
    if (lines >= 0) {
        const QString text = result.out;
        QCOMPARE(int(text.count(u'\n')) - int(text.count(QStringLiteral("\n\n"))), lines);
    }
    const QStringList said = result.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(said.size(), errors.size());
    QVERIFY(result.err.isEmpty() || result.err.endsWith(u'\n'));
    for (qsizetype i = 0; i < errors.size(); ++i)
        QVERIFY2(said[i].startsWith(QStringLiteral("tavlora: ")) && said[i].contains(errors[i]),
                 qPrintable(said[i]));
}

namespace
{

// The document without its text fields, which follow the locale.
QJsonValue withoutText(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue &entry : value.toArray())
            array.append(withoutText(entry));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    object.remove(QStringLiteral("text"));
    object.remove(QStringLiteral("network"));
    object.remove(QStringLiteral("note"));
    for (auto it = object.begin(); it != object.end(); ++it)
        *it = withoutText(*it);
    return object;
}

} // namespace

void TestStartup::json_data()
{
    QTest::addColumn<QStringList>("arguments");
    // Where the JSON text must hold exact numbers: "key":number.
    QTest::addColumn<QStringList>("exact");

    QTest::newRow("bands") << QStringList{"--bands", "sarı gri kırmızı altın"}
                           << QStringList{"\"ohms\":4800,", "\"tolerance_percent\":5,",
                                          "\"tcr_ppm_per_k\":null,", "\"reverse\":null",
                                          "\"series\":[\"E24\"],\"is_standard\":false,"};
    QTest::newRow("reading from the other end")
        << QStringList{"--bands", "BN BN RD BK BN"}
        << QStringList{"\"band_count\":5,", "\"ohms\":112,",
                       "\"reverse\":{\"bands\":[\"Kahverengi\",\"Siyah\",\"Kırmızı\","
                       "\"Kahverengi\",\"Kahverengi\"],\"ohms\":1020,\"tolerance_percent\":1}"};
    QTest::newRow("three bands") << QStringList{"--bands", "RD RD BN"}
                                 << QStringList{"\"band_count\":3,", "\"ohms\":220,",
                                                "\"tolerance_percent\":20,"};
    // Renksiz is no band: the same part as three colours.
    QTest::newRow("three bands typed with none")
        << QStringList{"--bands", "RD RD BN none"}
        << QStringList{"\"bands\":[\"Kırmızı\",\"Kırmızı\",\"Kahverengi\"],\"band_count\":3,",
                       "\"tolerance_percent\":20,"};
    QTest::newRow("six bands") << QStringList{"--bands", "BN BK BK RD VT OG"}
                               << QStringList{"\"tolerance_percent\":0.1,",
                                              "\"tcr_ppm_per_k\":15,"};
    QTest::newRow("doubtful band, measured")
        << QStringList{"--bands", "BN BK RD? GD", "--measured", "1020"}
        << QStringList{"{\"readings\":[{\"bands\":[\"Kahverengi\",\"Siyah\",\"Kırmızı\","
                       "\"Altın\"],\"band_count\":4,\"ohms\":1000,\"tolerance_percent\":5,"
                       "\"standard\":{\"series\":[\"E24\"],\"is_standard\":true,",
                       "\"agrees\":true},", "\"ohms\":10000,", "\"agrees\":false}],",
                       "\"measured_ohms\":1020}"};
    QTest::newRow("doubtful band, nothing measured")
        << QStringList{"--bands", "RD RD RD? GD"}
        << QStringList{"\"band_count\":4,\"ohms\":2200,", "\"ohms\":220,", "\"ohms\":22000,",
                       "\"agrees\":null}", "\"measured_ohms\":null}"};
    QTest::newRow("0,123 Ω") << QStringList{"--value", "R123",        "--band-count",
                                            "5",       "--tolerance", "0,5"}
                             << QStringList{"\"ohms\":0.123,", "\"tolerance_percent\":0.5,",
                                            "\"cut\":false,", "\"typed_ohms\":0.123}"};
    QTest::newRow("cut") << QStringList{"--value", "4K75"}
                         << QStringList{"\"ohms\":4700,", "\"cut\":true,", "\"typed_ohms\":4750}"};
    QTest::newRow("smd") << QStringList{"--smd", "10R"}
                         << QStringList{"\"code\":\"10R\",\"format\":\"eia96\",\"ohms\":1.24,"
                                        "\"tolerance_percent\":1,",
                                        "{\"format\":\"r_decimal\",\"ohms\":10,"
                                        "\"tolerance_percent\":null,"};
    QTest::newRow("smd, four characters with R")
        << QStringList{"--smd", "49R9"}
        << QStringList{"\"code\":\"49R9\",\"format\":\"r_decimal\",\"ohms\":49.9,"
                       "\"tolerance_percent\":1,",
                       "[{\"format\":\"r_decimal\",\"ohms\":49.9,\"tolerance_percent\":1,"};
    QTest::newRow("smd-for") << QStringList{"--smd-for", "10K"}
                             << QStringList{"\"three_digit\":\"103\",\"reads_first_as_ohms\":null,",
                                            "\"four_digit\":\"1002\",", "\"eia96\":\"01C\","};
    QTest::newRow("smd-for, read first as another value")
        << QStringList{"--smd-for", "1G"}
        << QStringList{"\"three_digit\":\"108\",\"reads_first_as_ohms\":0.1,",
                       "\"four_digit\":\"1007\","};
    QTest::newRow("cap 104") << QStringList{"--cap", "104"}
                             << QStringList{"\"picofarads\":100000,", "\"tolerance\":null,",
                                            "\"volts\":null,"};
    QTest::newRow("cap 109, two readings")
        << QStringList{"--cap", "109"}
        << QStringList{"\"picofarads\":1,", "\"readings\":[{\"picofarads\":1,",
                       "{\"picofarads\":10000000000,"};
    QTest::newRow("cap 4n7") << QStringList{"--cap", "4n7"} << QStringList{"\"picofarads\":4700,"};
    QTest::newRow("cap 2A474J") << QStringList{"--cap", "2A474J"}
                                << QStringList{"\"picofarads\":470000,",
                                               "\"tolerance\":{\"percent\":5},", "\"volts\":100,"};
    QTest::newRow("cap, absolute tolerance")
        << QStringList{"--cap", "1R5C"}
        << QStringList{"\"picofarads\":1.5,\"tolerance\":{\"picofarads\":0.25},"};
    QTest::newRow("cap, asymmetric") << QStringList{"--cap", "224Z"}
                                     << QStringList{"{\"plus_percent\":80,\"minus_percent\":20}"};
    QTest::newRow("cap, disputed volts")
        << QStringList{"--cap", "3L102K"}
        << QStringList{"\"volts\":null,", "\"volts\":1200,", "\"volts\":5500,"};
    QTest::newRow("cap, 6,3 V") << QStringList{"--cap", "0J105K"} << QStringList{"\"volts\":6.3,"};
    QTest::newRow("cap-for") << QStringList{"--cap-for", "4n7"}
                             << QStringList{"\"picofarads\":4700,", "\"three_digit\":\"472\",",
                                            "\"letter_code\":\"4n7\",", "\"eia198\":[\"S3\"],"};
    QTest::newRow("inductor") << QStringList{"--inductor", "kırmızı mor kahverengi altın"}
                              << QStringList{"\"microhenries\":270,", "\"tolerance_percent\":5,"};
    QTest::newRow("inductor below 1 µH") << QStringList{"--inductor", "sarı mor gümüş altın"}
                                         << QStringList{"\"microhenries\":0.47,"};
    QTest::newRow("inductor-for") << QStringList{"--inductor-for", "270u"}
                                  << QStringList{
                                         "\"microhenries\":270,",
                                         "\"four_band\":[\"Kırmızı\",\"Mor\",\"Kahverengi\"],"};
    QTest::newRow("combine") << QStringList{"--combine", "9K", "--series", "E6"}
                             << QStringList{"{\"parts\":[2200,6800],", "\"ohms\":9000,"
                                                                       "\"error_percent\":0,"
                                                                       "\"exact\":true}"};
    QTest::newRow("ratio") << QStringList{"--ratio", "0.25", "--series", "E24"}
                           << QStringList{"\"ratio\":0.25,\"error_percent\":0,\"exact\":true}"};
}

void TestStartup::json()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, exact);

    arguments << QStringLiteral("--json");
    const Run turkish = run(arguments, QStringLiteral("tr_TR.UTF-8"));
    const Run plain = run(arguments, QStringLiteral("C"));
    QCOMPARE(turkish.status, 0);
    QCOMPARE(plain.status, 0);
    // One compact document a line.
    QCOMPARE(turkish.out.count(u'\n'), 1);
    QVERIFY(turkish.out.endsWith(u'\n'));
    for (const QString &field : exact)
        QVERIFY2(turkish.out.contains(field), qPrintable(turkish.out));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(turkish.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonDocument other = QJsonDocument::fromJson(plain.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(withoutText(document.object()), withoutText(other.object()));
    // Errors are unrounded: the nearest double of the exact fraction.
    const QJsonObject standard = document.object().value(QStringLiteral("standard")).toObject();
    const QJsonValue below = standard.value(QStringLiteral("below"));
    if (below.isObject()) {
        const double ohms = document.object().value(QStringLiteral("ohms")).toDouble();
        const double neighbour = below.toObject().value(QStringLiteral("ohms")).toDouble();
        const double percent = below.toObject().value(QStringLiteral("error_percent")).toDouble();
        QCOMPARE(percent, (neighbour - ohms) * 100 / ohms);
    }
}

void TestStartup::bounds_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shell"); // words a shell adds: redirections
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("answered");       // JSON lines on standard output; -1 unseen
    QTest::addColumn<QStringList>("errors"); // each line on standard error, in part

    // Each reader, an input it answers, and a long word it refuses where it
    // quotes what it refuses.
    const QString x100(100, u'x');
    struct Reader {
        const char *option;
        QStringList modifiers;
        QString good;
        QStringList longWord;
    };
    const Reader readers[] = {
        {"--bands", {}, QStringLiteral("BN BK RD GD"), {"--bands", "BN " + x100 + " RD GD"}},
        {"--value", {"--band-count", "5"}, QStringLiteral("4K7"), {"--value", x100}},
        {"--smd", {}, QStringLiteral("472"), {"--smd", x100}},
        {"--smd-for", {"--unit", "Kohm"}, QStringLiteral("4,7"), {"--smd-for", x100}},
        {"--combine",
         {"--series", "E6", "--parts", "2"},
         QStringLiteral("9K"),
         {"--combine", "9K", "--without", x100}},
        {"--ratio",
         {"--series", "E24", "--range", "1K-100K"},
         QStringLiteral("0,5"),
         {"--ratio", "0,5", "--range", x100}},
        {"--photo", {}, m_photo, {"--photo", x100}},
        {"--cap", {}, QStringLiteral("104"), {"--cap", x100}},
        {"--cap-for", {}, QStringLiteral("4,7n"), {"--cap-for", x100}},
        {"--inductor",
         {},
         QStringLiteral("kırmızı mor kahverengi altın"),
         {"--inductor", "kırmızı " + x100 + " kahverengi altın"}},
        {"--inductor-for", {}, QStringLiteral("270u"), {"--inductor-for", x100}},
    };
    const QString none;
    const QByteArray nothing;
    for (const Reader &r : readers) {
        const QString option = QString::fromLatin1(r.option);
        const QStringList fromInput = QStringList{option, "-", "--json"} + r.modifiers;
        const auto given = [&](const QString &value) {
            return QStringList{option, value, "--json"} + r.modifiers;
        };
        const QByteArray good = r.good.toUtf8() + '\n';

        QTest::addRow("%s: answered", r.option)
            << given(r.good) << none << nothing << 0 << 1 << QStringList();
        QTest::addRow("%s: a line too long", r.option)
            << fromInput << none << good + QByteArray(maxLine + 1, 'x') + '\n' + good << 1 << 1
            << QStringList{"satır 2: satır 4096 bayttan uzun; okuma durdu"};
        QTest::addRow("%s: a line too long, no line end", r.option)
            << fromInput << none << QByteArray(3 * maxLine, '4') << 1 << 0
            << QStringList{"satır 1: satır 4096 bayttan uzun"};
        QTest::addRow("%s: a NUL byte", r.option)
            << fromInput << none << good + r.good.toUtf8() + '\0' + '\n' + good << 1 << 1
            << QStringList{"satır 2: girdi metin değil (NUL baytı); okuma durdu"};
        QTest::addRow("%s: /dev/zero", r.option)
            << fromInput << QStringLiteral("< /dev/zero") << nothing << 1 << 0
            << QStringList{"satır 1: girdi metin değil"};
        QTest::addRow("%s: a folder as input", r.option)
            << fromInput << QStringLiteral("< /") << nothing << 1 << 0
            << QStringList{"standart girdi okunamadı: bir klasör"};
        QTest::addRow("%s: closed input", r.option)
            << fromInput << QStringLiteral("<&-") << nothing << 1 << 0
            << QStringList{"tavlora: standart girdi okunamadı: kapalı"};
        QTest::addRow("%s: output lost", r.option)
            << given(r.good) << QStringLiteral("> /dev/full") << nothing << 1 << -1
            << QStringList{"tavlora: çıktı yazılamadı: aygıtta yer kalmadı"};
        // More than stdio holds back: the loss comes before the end.
        QTest::addRow("%s: output lost midway", r.option)
            << fromInput << QStringLiteral("> /dev/full")
            << good.repeated(option == "--photo" ? 8 : 100) << 1 << -1
            << QStringList{"tavlora: çıktı yazılamadı: aygıtta yer kalmadı"};
        QTest::addRow("%s: an argument too long", r.option)
            << given(QString(maxLine + 1, u'x')) << none << nothing << 1 << 0
            << QStringList{"değeri 4096 bayttan uzun"};
        // Refused, quoting no more than 40 characters (see bounds()).
        QTest::addRow("%s: a long word", r.option) << r.longWord + QStringList{"--json"} << none
                                                   << nothing << 1 << 0 << QStringList{"tavlora: "};
    }
    // Every modifier's value is bounded the same way: refused, quoting no
    // more than 40 characters.
    const QStringList modified[] = {
        {"--value", "1K", "--unit"},      {"--value", "1K", "--band-count"},
        {"--value", "1K", "--tolerance"}, {"--value", "1K", "--band-count", "6", "--tcr"},
        {"--combine", "1K", "--series"},  {"--combine", "1K", "--parts"},
        {"--photo", m_photo, "--ends"},
    };
    for (const QStringList &arguments : modified)
        QTest::addRow("%s: a long word", qPrintable(arguments.last()))
            << arguments + QStringList{x100} << none << nothing << 2 << 0
            << QStringList{"; yardım için: tavlora --help"};
    QTest::newRow("--help: output lost")
        << QStringList{"--help"} << QStringLiteral("> /dev/full") << nothing << 1 << -1
        << QStringList{"tavlora: çıktı yazılamadı: aygıtta yer kalmadı"};
    // A usage error quotes no more either.
    QTest::newRow("a long usage error")
        << QStringList{"--value", "1K", "--unit", QString(100, u'x')} << none << nothing << 2 << 0
        << QStringList{"--unit Ohm, Kohm ya da Mohm olur; verilen '" + QString(40, u'x') + "…'"};
}

void TestStartup::bounds()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shell);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(int, answered);
    QFETCH(QStringList, errors);

    const Run result = run(arguments, QStringLiteral("tr_TR.UTF-8"), {}, input, shell);
    QCOMPARE(result.status, status);
    if (answered >= 0)
        QCOMPARE(int(result.out.count(u'\n')), answered);
    const QStringList said = result.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(said.size(), errors.size());
    for (qsizetype i = 0; i < errors.size(); ++i)
        QVERIFY2(said[i].startsWith(QStringLiteral("tavlora: ")) && said[i].contains(errors[i]),
                 qPrintable(said[i]));
    QVERIFY2(!result.err.contains(QString(41, u'x')), qPrintable(result.err));
}

void TestStartup::photoFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shell");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error"); // the one line on standard error, in part; "" none

    const QByteArray folder = QFile::encodeName(m_dir.path()) + '/';
    const auto file = [&](const char *name, const QByteArray &contents) {
        std::FILE *f = std::fopen((folder + name).constData(), "wb");
        if (f) {
            std::fwrite(contents.constData(), 1, std::size_t(contents.size()), f);
            std::fclose(f);
        }
        return QFile::decodeName(folder + name);
    };
    QFile painted(m_photo);
    painted.open(QIODevice::ReadOnly);
    const QByteArray png = painted.readAll();
    file(":direnc.png", png);
    file("d\xfcz.png", png); // not UTF-8
    const QString fifo = m_dir.filePath(QStringLiteral("boru.png"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    const QString none;
    const auto photo = [](const QString &path) { return QStringList{"--photo", path}; };

    QTest::newRow("a photo") << photo(m_photo) << none << 0 << QString();
    QTest::newRow("a name starting with a colon")
        << photo(QStringLiteral(":direnc.png")) << none << 0 << QString();
    QTest::newRow("a name that is not UTF-8")
        << QStringList() << QStringLiteral("--photo \"$(printf 'd\\374z.png')\"") << 0 << QString();
    QTest::newRow("no such file") << photo(m_dir.filePath(QStringLiteral("yok.jpg"))) << none << 1
                                  << QStringLiteral("Fotoğraf açılamadı: dosya bulunamadı");
    QTest::newRow("a folder") << photo(m_dir.path()) << none << 1
                              << QStringLiteral("Fotoğraf açılamadı: bu bir klasör");
    QTest::newRow("a FIFO without a writer")
        << photo(fifo) << none << 1
        << QStringLiteral("Fotoğraf açılamadı: sıradan bir dosya değil");
    QTest::newRow("a device") << photo(QStringLiteral("/dev/zero")) << none << 1
                              << QStringLiteral("sıradan bir dosya değil");
    QTest::newRow("text") << photo(file("notlar.jpg", "sarı mor kırmızı\n")) << none << 1
                          << QStringLiteral("Fotoğraf açılamadı: fotoğraf değil");
    // libpng's own English line stays out.
    QTest::newRow("cut short") << photo(file("yarim.png", png.left(png.size() / 2))) << none << 1
                               << QStringLiteral("Fotoğraf açılamadı: fotoğraf bozuk ya da eksik");
    if (::geteuid() != 0) { // the superuser reads every file
        const QString locked = file("kilitli.png", png);
        ::chmod(QFile::encodeName(locked).constData(), 0);
        QTest::newRow("no permission")
            << photo(locked) << none << 1 << QStringLiteral("okuma izni yok");
    }

    const auto ends = [&](const char *text) {
        return QStringList{"--photo", m_photo, "--ends", QString::fromLatin1(text)};
    };
    const QString outside =
        QStringLiteral("--ends fotoğrafın içinde olur (480 × 360 piksel); verilen '");
    QTest::newRow("ends on the body") << ends("150,210,320,150") << none << 0 << QString();
    // 30 × 40 apart: a body 50 pixels long, too small for its bands.
    QTest::newRow("ends on a body too small")
        << ends("150,210,180,170") << none << 1
        << QStringLiteral("Direnç fotoğrafta çok küçük (50 piksel): yaklaşarak yeniden çekin");
    QTest::newRow("ends at the corners") << ends("0,0,480,360") << none << -2 << QString();
    QTest::newRow("an end past the edge")
        << ends("0,0,481,0") << none << 2 << outside + QStringLiteral("0,0,481,0'");
    QTest::newRow("an end far off")
        << ends("0,0,5000,0") << none << 2 << outside + QStringLiteral("0,0,5000,0'");
    QTest::newRow("an end very far off")
        << ends("0,0,100000,0") << none << 2 << outside + QStringLiteral("0,0,100000,0'");
}

void TestStartup::photoFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shell);
    QFETCH(int, status);
    QFETCH(QString, error);

    const Run result = run(arguments, QStringLiteral("tr_TR.UTF-8"), {}, {}, shell, m_dir.path());
    if (status == -2) { // read or not, it ends
        QVERIFY(result.status == 0 || result.status == 1);
        return;
    }
    QCOMPARE(result.status, status);
    if (error.isEmpty()) {
        QCOMPARE(result.err, QString());
        QVERIFY(!result.out.isEmpty());
    } else {
        QVERIFY2(result.err.startsWith(QStringLiteral("tavlora: ")) && result.err.contains(error) &&
                     result.err.count(u'\n') == 1,
                 qPrintable(result.err));
        QCOMPARE(result.out, QString());
    }
}

void TestStartup::sameShape_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("photo");
    QTest::addColumn<int>("bandCount");

    QTest::newRow("four bands") << QStringLiteral("kırmızı kırmızı turuncu altın") << m_photo << 4;
    QTest::newRow("three bands") << QStringLiteral("sarı mor kırmızı") << m_threeBands << 3;
    QTest::newRow("three bands typed with renksiz")
        << QStringLiteral("sarı mor kırmızı renksiz") << m_threeBands << 3;
}

void TestStartup::sameShape()
{
    QFETCH(QString, words);
    QFETCH(QString, photo);
    QFETCH(int, bandCount);

    // One part, whichever option read it: the photo's best reading is the
    // --bands document with its own fields besides.
    const QString tr = QStringLiteral("tr_TR.UTF-8");
    const Run typed = run({"--bands", words, "--json"}, tr);
    const Run read = run({"--photo", photo, "--json"}, tr);
    QCOMPARE(typed.status, 0);
    QCOMPARE(read.status, 0);
    const QJsonObject bands = QJsonDocument::fromJson(typed.out.toUtf8()).object();
    QJsonObject best = QJsonDocument::fromJson(read.out.toUtf8())
                           .object()
                           .value(QStringLiteral("readings"))
                           .toArray()
                           .first()
                           .toObject();
    const double confidence = best.value(QStringLiteral("confidence")).toDouble(-1);
    QVERIFY2(confidence > 0 && confidence < 1, qPrintable(read.out));
    // Beside each band read, its likeliest colours: the one read among
    // them, each probability from 0 to 1, likeliest first.
    const QJsonArray alternatives = best.value(QStringLiteral("band_alternatives")).toArray();
    const QJsonArray readBands = best.value(QStringLiteral("bands")).toArray();
    QCOMPARE(alternatives.size(), readBands.size());
    for (qsizetype k = 0; k < alternatives.size(); ++k) {
        const QJsonArray list = alternatives[k].toArray();
        QVERIFY(!list.isEmpty());
        bool readAmongThem = false;
        double before = 1;
        for (const QJsonValue &entry : list) {
            const double p = entry[QStringLiteral("probability")].toDouble(-1);
            QVERIFY2(p >= 0 && p <= before, qPrintable(read.out));
            before = p;
            readAmongThem |= entry[QStringLiteral("colour")] == readBands[k];
        }
        QVERIFY2(readAmongThem, qPrintable(read.out));
    }
    best.remove(QStringLiteral("confidence"));
    best.remove(QStringLiteral("band_alternatives"));
    QCOMPARE(best, bands);
    QCOMPARE(bands.value(QStringLiteral("band_count")).toInt(), bandCount);
    QCOMPARE(bands.value(QStringLiteral("bands")).toArray().size(), bandCount);
    QVERIFY(bands.value(QStringLiteral("tolerance_percent")).isDouble());
}

void TestStartup::combineLines_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("targets");

    QTest::newRow("E6, three parts") << QStringList{"--combine", "--series", "E6", "--parts", "3"}
                                     << QStringList{"9K", "4K7", "1", "330K", "0,5"};
    QTest::newRow("E192 tables, three parts")
        << QStringList{"--combine", "--series", "E192", "--parts", "3", "--range", "1K-10K"}
        << QStringList{"4K7", "12K345", "1K", "2K5"};
    QTest::newRow("ratios") << QStringList{"--ratio", "--series", "E24", "--without", "4K7"}
                            << QStringList{"0,66", "5 V 3,3 V", "0,25"};
}

void TestStartup::combineLines()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, targets);

    // Answered from standard input, with the tables kept from line to line,
    // as each is answered alone.
    const QString tr = QStringLiteral("tr_TR.UTF-8");
    QStringList alone;
    for (const QString &target : targets) {
        QStringList arguments = options;
        arguments.insert(1, target);
        const Run one = run(arguments, tr);
        QCOMPARE(one.status, 0);
        alone << one.out;
    }
    QStringList arguments = options;
    arguments.insert(1, QStringLiteral("-"));
    const Run lines = run(arguments, tr, {}, targets.join(u'\n').toUtf8());
    QCOMPARE(lines.status, 0);
    QCOMPARE(lines.out, alone.join(u'\n'));
}

void TestStartup::language_data()
{
    QTest::addColumn<QStringList>("settings"); // the only language settings the program gets
    QTest::addColumn<bool>("english");

    // English only where the first language the user prefers is English.
    QTest::newRow("LANGUAGE=en") << QStringList{"LANGUAGE=en"} << true;
    QTest::newRow("LANG=en_US.UTF-8, no LANGUAGE") << QStringList{"LANG=en_US.UTF-8"} << true;
    QTest::newRow("LANG=en") << QStringList{"LANG=en"} << true;
    QTest::newRow("LANGUAGE=en_GB:tr") << QStringList{"LANGUAGE=en_GB:tr"} << true;
    QTest::newRow("LANGUAGE empty, LANG=en_US.UTF-8")
        << QStringList{"LANGUAGE=", "LANG=en_US.UTF-8"} << true;
    QTest::newRow("LC_MESSAGES=en_US.UTF-8 over LANG=tr_TR.UTF-8")
        << QStringList{"LC_MESSAGES=en_US.UTF-8", "LANG=tr_TR.UTF-8"} << true;
    QTest::newRow("LC_ALL=en_US.UTF-8 over LANG=tr_TR.UTF-8")
        << QStringList{"LC_ALL=en_US.UTF-8", "LANG=tr_TR.UTF-8"} << true;
    QTest::newRow("LANGUAGE=en under LC_ALL=C") << QStringList{"LANGUAGE=en", "LC_ALL=C"} << true;
    QTest::newRow("nothing set") << QStringList() << false;
    QTest::newRow("LC_ALL=C") << QStringList{"LC_ALL=C"} << false;
    QTest::newRow("LANG=C") << QStringList{"LANG=C"} << false;
    QTest::newRow("LANG=POSIX") << QStringList{"LANG=POSIX"} << false;
    QTest::newRow("LANGUAGE=tr over LANG=en_US.UTF-8")
        << QStringList{"LANGUAGE=tr", "LANG=en_US.UTF-8"} << false;
    QTest::newRow("LANGUAGE=tr:en") << QStringList{"LANGUAGE=tr:en", "LANG=en_US.UTF-8"} << false;
    QTest::newRow("LANGUAGE=de:en") << QStringList{"LANGUAGE=de:en"} << false;
    QTest::newRow("LANG=de_DE.UTF-8") << QStringList{"LANG=de_DE.UTF-8"} << false;
    QTest::newRow("LC_ALL=tr_TR.UTF-8 over LC_MESSAGES=en_US.UTF-8")
        << QStringList{"LC_ALL=tr_TR.UTF-8", "LC_MESSAGES=en_US.UTF-8"} << false;
}

void TestStartup::language()
{
    QFETCH(QStringList, settings);
    QFETCH(bool, english);

    QProcessEnvironment environment = withoutDesktop();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LOCPATH"), QStringLiteral(TAVLORA_LOCALES));
    for (const QString &setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    const auto start = [&](const QStringList &arguments) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TAVLORA_PROGRAM), arguments);
        program.waitForFinished(30000);
        return QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    };

    // The help, a refusal before any answer, a usage error of an answering
    // option, and the line said when no desktop answers: each on its own
    // way to its translation.
    const QString help = start({QStringLiteral("--help")});
    QVERIFY2(help.startsWith(english ? QStringLiteral("Usage: tavlora [OPTION]...\n")
                                     : QStringLiteral("Kullanım: tavlora [SEÇENEK]...\n")),
             qPrintable(help));
    QCOMPARE(start({QStringLiteral("-x")}),
             english ? QStringLiteral("tavlora: unknown option '-x'; for help: tavlora --help\n")
                     : QStringLiteral("tavlora: tanınmayan seçenek '-x'; yardım için: tavlora "
                                      "--help\n"));
    QCOMPARE(start({QStringLiteral("--bands"), QStringLiteral("BN BK")}),
             english ? QStringLiteral("tavlora: 3 to 6 colours are needed; 2 colours given\n")
                     : QStringLiteral("tavlora: 3 ile 6 arasında renk gerekir; 2 renk yazıldı\n"));
    QCOMPARE(start({}), english ? QStringLiteral("tavlora: no desktop session found; Tavlora runs "
                                                 "in a desktop session (X11 or Wayland)\n")
                                : QStringLiteral("tavlora: masaüstü oturumu bulunamadı; Tavlora "
                                                 "bir masaüstü oturumunda (X11 ya da Wayland) "
                                                 "çalışır\n"));
}

void TestStartup::english_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shell"); // words a shell adds: redirections
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // on standard output or error, in part

    const QString none;
    const QByteArray nothing;
    const auto row = [&](const char *name, const QStringList &arguments, int status,
                         const QString &said) {
        QTest::newRow(name) << arguments << none << nothing << status << said;
    };
    const auto usage = [&](const char *name, const QStringList &arguments, const QString &what) {
        row(name, arguments, 2, "tavlora: " + what + "; for help: tavlora --help\n");
    };
    const QString digits = QStringLiteral("; this band can be Black, Brown, Red, Orange, Yellow, "
                                          "Green, Blue, Violet, Grey or White\n");

    row("--help", {"--help"}, 0, "Usage: tavlora [OPTION]...\nFinds a resistor's value");
    row("--version", {"--version"}, 0,
        "Copyright (c) 2026 The Tavlora developers\nDistributed under the MIT licence.\n");
    QTest::newRow("--help, output lost")
        << QStringList{"--help"} << QStringLiteral("> /dev/full") << nothing << 1
        << QStringLiteral("tavlora: could not write the output: "
                          "no space left on device\n");

    // Refused before any answer.
    usage("unknown option", {"-x"}, "unknown option '-x'");
    usage("operand", {"direnc.txt"}, "unexpected argument 'direnc.txt'");
    usage("Qt option without its value", {"-style"}, "option needs a value '-style'");
    // Usage errors of the answering options, one of each kind.
    usage("--json with a value", {"--json=1", "--smd", "472"}, "option takes no value '--json=1'");
    usage("answering option without its value", {"--bands"}, "option needs a value '--bands'");
    usage("two answering options", {"--bands", "BN BK RD GD", "--value", "1K"},
          "only one answering option may be given; extra '--value'");
    usage("--json alone", {"--json"}, "option given without an answering option '--json'");
    usage("a modifier of another option", {"--bands", "BN BK RD GD", "--unit", "Kohm"},
          "option not for use with --bands '--unit'");
    usage("no such unit", {"--value", "1K", "--unit", "kiloohm"},
          "--unit is Ohm, Kohm or Mohm; given 'kiloohm'");
    usage("no such band count", {"--value", "1K", "--band-count", "3"},
          "--band-count is 4, 5 or 6; given '3'");
    usage("no such tolerance", {"--value", "1K", "--tolerance", "3"},
          "--tolerance is a tolerance of the bands (20, 10, 5, 2, 1, 0.5, 0.25, 0.1, 0.05, 0.02, "
          "0.01); given '3'");
    usage("--tcr on four bands", {"--value", "1K", "--tcr", "50"},
          "--tcr applies to 6 bands only (--band-count 6) '--tcr'");
    usage("no such coefficient", {"--value", "1K", "--band-count", "6", "--tcr", "7"},
          "--tcr is a temperature coefficient (250, 100, 50, 25, 20, 15, 10, 5, 1); given '7'");
    usage("no such series", {"--combine", "1K", "--series", "E5"},
          "--series is E6, E12, E24, E48, E96, E192 or E24+E96; given 'E5'");
    usage("four parts", {"--combine", "1K", "--parts", "4"}, "--parts is 1, 2 or 3; given '4'");
    usage("bad ends", {"--photo", "a.jpg", "--ends", "1,2,3"},
          "--ends is pixels in the form X1,Y1,X2,Y2; given '1,2,3'");
    usage("--meter-error above 100",
          {"--bands", "BN BK RD GD", "--measured", "1K", "--meter-error", "101"},
          "--meter-error is a percentage from 0 to 100; given '101'");
    usage("--meter-error alone", {"--bands", "BN BK RD GD", "--meter-error", "1"},
          "--meter-error applies with --measured only '--meter-error'");
    usage("ends outside the photo", {"--photo", m_photo, "--ends", "0,0,481,0"},
          "--ends lie inside the photo (480 × 360 pixels); given '0,0,481,0'");
    row("an argument too long", {"--value", QString(maxLine + 1, u'x')}, 1,
        "tavlora: the value of --value is longer than 4096 bytes\n");

    // Colour words refused: the word, its band and what the band takes,
    // the colours by their English names.
    row("no colour", {"--bands", "BN mxr RD GD"}, 1,
        "tavlora: band 2 (digit): \"mxr\" is not a colour name" + digits);
    row("a word like a placeholder", {"--bands", "BN %4 RD GD"}, 1,
        "tavlora: band 2 (digit): \"%4\" is not a colour name" + digits);
    row("an English name as a digit", {"--bands", "BN gold RD GD"}, 1,
        "tavlora: band 2 (digit): Gold cannot be a digit" + digits);
    row("a Turkish name as a digit", {"--bands", "ALTIN BK RD GD"}, 1,
        "tavlora: band 1 (digit): \"ALTIN\" (Gold) cannot be a digit" + digits);
    row("none as a multiplier", {"--bands", "BN BK none GD"}, 1,
        "tavlora: band 3 (multiplier): None cannot be a multiplier; this band can be Black, ");
    row("a code as a tolerance", {"--bands", "BN BK RD PK"}, 1,
        "tavlora: band 4 (tolerance): \"PK\" (Pink) cannot be a tolerance; this band can be "
        "Gold, Silver, None, Brown, Red, Orange, Yellow, Green, Blue, Violet or Grey\n");
    row("a code as a coefficient", {"--bands", "BN BK BK RD BN SR"}, 1,
        "tavlora: band 6 (temperature coefficient): \"SR\" (Silver) cannot be a temperature "
        "coefficient; this band can be ");
    row("one colour", {"--bands", "BN"}, 1, "tavlora: 3 to 6 colours are needed; 1 colour given\n");
    row("seven colours", {"--bands", "BN BK BK BK BK BK BK"}, 1,
        "tavlora: 3 to 6 colours are needed; 7 colours given\n");
    row("no inductor colours", {"--inductor", " "}, 1,
        "tavlora: no colours: type 3, 4 or 5 bands (Red Violet Brown Gold)\n");
    row("no inductor colour", {"--inductor", "red xyz brown gold"}, 1,
        "tavlora: \"xyz\" is not a colour name\n");
    row("a range without its dash", {"--combine", "1K", "--range", "1K"}, 1,
        "tavlora: the range \"1K\" must be written as LOW-HIGH (like 1K-100K)\n");
    // Read, the bands a person reads in English.
    row("a photo", {"--photo", m_photo}, 0, "Red Red Orange Gold  22 Kilo Ohm");
    row("a photo without a part", {"--photo", m_plain}, 1,
        "tavlora: no resistor's bands could be read in the photo\n");

    // Standard input and output.
    QTest::newRow("a refused line")
        << QStringList{"--bands", "-"} << none << QByteArray("\nfoo bar baz\n") << 1
        << QStringLiteral("tavlora: line 2: band 1 (digit): \"foo\" is not a colour name");
    QTest::newRow("a line too long")
        << QStringList{"--value", "-"} << none << "\n" + QByteArray(maxLine + 1, 'x') + '\n'
        << 1 << QStringLiteral("tavlora: line 2: line longer than 4096 bytes; reading stopped\n");
    QTest::newRow("a NUL byte") << QStringList{"--value", "-"} << none << QByteArray("4K7\0\n", 5)
                                << 1
                                << QStringLiteral("tavlora: line 1: the input is not text (a NUL "
                                                  "byte); reading stopped\n");
    QTest::newRow("a folder as input")
        << QStringList{"--value", "-"} << QStringLiteral("< /") << nothing << 1
        << QStringLiteral("could not read standard input: is a folder\n");
    // The application object that holds the English texts must not take
    // the place of a closed stream.
    QTest::newRow("closed input") << QStringList{"--value", "-"} << QStringLiteral("<&-") << nothing
                                  << 1
                                  << QStringLiteral("tavlora: could not read standard input: "
                                                    "closed\n");
    QTest::newRow("closed output")
        << QStringList{"--value", "4K7"} << QStringLiteral(">&-") << nothing << 1
        << QStringLiteral("tavlora: could not write the output: closed\n");
    QTest::newRow("output lost") << QStringList{"--value", "4K7"} << QStringLiteral("> /dev/full")
                                 << nothing << 1
                                 << QStringLiteral("tavlora: could not write the output: no space "
                                                   "left on device\n");

    // No desktop: said before the application object holds any translation.
    row("no display", {}, 1,
        "tavlora: no desktop session found; Tavlora runs in a desktop session (X11 or Wayland)\n");
    row("-platform yok", {"-platform", "yok"}, 1,
        "tavlora: the Qt platform plugin \"yok\" was not found (Qt: Could not find the Qt "
        "platform plugin \"yok\" in \"\"); installed: ");
    QTest::newRow("-platform wayland-yok")
        << QStringList{"-platform", "wayland-yok"} << none << nothing << 1
        << QStringLiteral("(Qt: Could not find the Qt platform plugin \"wayland-yok\" in \"\"); "
                          "install the qt6-wayland package\n");
}

void TestStartup::english()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shell);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, said);

    const Run result = run(arguments, QStringLiteral("en_US.UTF-8"),
                           {QStringLiteral("LANGUAGE=en")}, input, shell, m_dir.path());
    QCOMPARE(result.status, status);
    const QString all = result.out + result.err;
    QVERIFY2(all.contains(said), qPrintable(all));
    // Nothing left in Turkish, where what was given has no Turkish letter.
    static const QRegularExpression turkish(QStringLiteral("[çğıöşüÇĞİÖŞÜ]"));
    QVERIFY2(!all.contains(turkish), qPrintable(all));
    for (const QString &line : result.err.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(line.startsWith(QStringLiteral("tavlora: ")), qPrintable(line));
}

void TestStartup::jsonLanguages_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("--bands") << QStringList{"--bands", "sarı mor kırmızı altın"};
    QTest::newRow("--bands, reading from the other end")
        << QStringList{"--bands", "BN BN RD BK BN"};
    QTest::newRow("--bands, doubtful")
        << QStringList{"--bands", "BN BK RD? GD", "--measured", "1020"};
    QTest::newRow("--value, cut") << QStringList{"--value", "4K75"};
    QTest::newRow("--smd") << QStringList{"--smd", "10R"};
    QTest::newRow("--cap, two readings") << QStringList{"--cap", "109"};
    QTest::newRow("--inductor") << QStringList{"--inductor", "kırmızı mor kahverengi altın"};
    QTest::newRow("--inductor-for") << QStringList{"--inductor-for", "270u"};
    QTest::newRow("--photo") << QStringList{"--photo", m_photo};
}

void TestStartup::jsonLanguages()
{
    QFETCH(QStringList, arguments);

    // The same document in both languages, byte for byte, but for what a
    // person reads: the text and note fields.
    arguments << QStringLiteral("--json");
    const QString locale = QStringLiteral("tr_TR.UTF-8");
    const Run turkish = run(arguments, locale, {QStringLiteral("LANGUAGE=tr")});
    const Run english = run(arguments, locale, {QStringLiteral("LANGUAGE=en")});
    QCOMPARE(turkish.status, 0);
    QCOMPARE(english.status, 0);
    static const QRegularExpression read(
        QStringLiteral("\"(text|note)\":\"(?:[^\"\\\\]|\\\\.)*\""));
    const auto unread = [](QString document) {
        return document.replace(read, QStringLiteral("\"\\1\":\"\""));
    };
    QVERIFY2(turkish.out.contains(read), qPrintable(turkish.out));
    QCOMPARE(unread(english.out), unread(turkish.out));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
