// The yardstick for the trainer's start-up: an empty Qt window of the main
// window's size, shown and painted once, measured by the same probe.

#include <QApplication>
#include <QWidget>

#include "AppStartupProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(568, 519);
    window.show();
    korvan::TStartupProbe::Attach(&window);
    return QApplication::exec();
}
