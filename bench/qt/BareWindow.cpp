// The yardstick of the GUI start: a bare Qt window showing one label, started and left idle.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label("Korvel");
    label.show();
    return QApplication::exec();
}
