// The floor of any window that shows text: the bare window of the trainer's
// size with one captioned button and one text pane holding a Russian
// sentence, titled with the first argument, measured as the bare window is.
// What it costs more than the bare window is what showing text costs at all
// (the font configuration, a face and its glyphs), which the trainer pays too.

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

#include "ui/AppStartupProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (argc > 1)
        window.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    window.resize(568, 519);
    auto* button = new QPushButton(QString::fromUtf8("Начать урок"), &window);
    button->setGeometry(424, 16, 137, 25);
    auto* pane = new QTextEdit(&window);
    pane->setGeometry(8, 8, 409, 100);
    pane->setPlainText(QString::fromUtf8("Я ученик. I am a pupil."));
    window.show();
    korvan::TStartupProbe::Attach(&window);
    return QApplication::exec();
}
