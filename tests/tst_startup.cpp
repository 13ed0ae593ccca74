#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
    void answers_data();
    void answers();
    void json_data();
    void json();

private:
    static QProcessEnvironment withoutDesktop();
    struct Run {
        int status = -1;
        QString out, err;
    };
    // The program without a desktop, in a locale, with standard input.
    static Run run(const QStringList &arguments, const QString &locale,
                   const QStringList &environment = {}, const QByteArray &input = {});
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

TestStartup::Run TestStartup::run(const QStringList &arguments, const QString &locale,
                                  const QStringList &environment, const QByteArray &input)
{
    QProcessEnvironment childEnvironment = withoutDesktop();
    childEnvironment.insert(QStringLiteral("LC_ALL"), locale);
    childEnvironment.insert(QStringLiteral("LOCPATH"), QStringLiteral(TAVLORA_LOCALES));
    for (const QString &setting : environment)
        childEnvironment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(childEnvironment);
    program.start(QStringLiteral(TAVLORA_PROGRAM), arguments);
    program.write(input);
    program.closeWriteChannel();
    Run result;
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
    QTest::newRow("--smd, refused") << QStringList{"--smd", "XYZ"} << tr << none << 1 << QString()
                                    << 0 << QStringList{"SMD kodu"};
    QTest::newRow("--smd-for") << QStringList{"--smd-for", "4K7"} << tr << none << 0
                               << QStringLiteral("3 haneli: 472\n4 haneli: 4701\nEIA-96: ") << -1
                               << quiet;
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
    QTest::newRow("smd-for") << QStringList{"--smd-for", "10K"}
                             << QStringList{"\"three_digit\":\"103\",", "\"four_digit\":\"1002\",",
                                            "\"eia96\":\"01C\","};
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

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
