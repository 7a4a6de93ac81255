#include <QApplication>
#include <QLabel>

#include "util/ProgramFolder.h"

// Placeholder until the main window arrives: shows the program folder.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    korvan::InitProgramFolder();
    QLabel label(
        QString::fromUtf8("Korvan: %1").arg(QString::fromStdString(korvan::ProgramFolder())));
    label.show();
    return app.exec();
}
