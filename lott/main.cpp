// lott: the tournament program. Works in the current directory.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Turneringsverktyg");
    w.showMaximized();
    return app.exec();
}
