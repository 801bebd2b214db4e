// The floor for any Qt Widgets program: one empty window. With --text the window
// holds one line of text, which adds what every program with text pays for fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(190, 228);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Radixon"), &window);
    window.show();
    return QApplication::exec();
}
