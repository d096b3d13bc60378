#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Fixtora");
    QMainWindow window;
    window.setWindowTitle("Fixtora");
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
