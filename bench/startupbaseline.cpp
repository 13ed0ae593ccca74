// The least a Qt Widgets program with text can do at start: a window with
// the program's caption, size and application font, holding one push button
// with a Turkish caption. The button sizes itself to its caption, as any
// button does that is given no size, so the font is loaded before the window
// is shown, as it must be for the program's own controls.

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavlora"));
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tavlora"));
    window.resize(386, 165);
    QPushButton button(QStringLiteral("Değer Vererek Renk Kodlarını Bul"), &window);
    button.move(105, 64);
    window.show();
    return QApplication::exec();
}
