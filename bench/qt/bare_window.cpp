// The yardstick for the trainer's start-up: an empty Qt window of the main
// window's size, titled with the first argument, shown and painted once,
// measured by the same probe or by the same wait for its mapped, titled window.

#include <QApplication>
#include <QWidget>

#include "ui/AppStartupProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (argc > 1)
        window.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    window.resize(568, 519);
    window.show();
    korvan::TStartupProbe::Attach(&window);
    return QApplication::exec();
}
