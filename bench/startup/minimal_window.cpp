// The floor for any Qt Widgets program: one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(190, 228);
    window.show();
    return QApplication::exec();
}
