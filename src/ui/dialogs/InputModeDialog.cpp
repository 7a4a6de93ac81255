#include "ui/dialogs/InputModeDialog.h"

#include "ui/platform/Accessibility.h"
#include "ui/platform/Fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace korvan {

namespace {

// Client area in pixels.
constexpr int DialogWidth = 368;
constexpr int DialogHeight = 152;

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFInpMode::TFInpMode(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FInpMode"));
    setWindowTitle(tr("Режим перевода"));
    setFixedSize(DialogWidth, DialogHeight);
    setFont(DialogFont());

    Label1 = Named(new QLabel(tr("Перевод я буду:"), this), "Label1");
    Label1->setGeometry(16, 12, 336, 18);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    // Neither button is the default: Enter presses the focused one only.
    BUseAudioInput = Named(new QPushButton(tr("Произносить вслух"), this), "BUseAudioInput");
    BUseAudioInput->setGeometry(16, 38, 164, 40);
    BUseTextInput = Named(new QPushButton(tr("Набирать на клавиатуре"), this), "BUseTextInput");
    BUseTextInput->setGeometry(188, 38, 164, 40);
    for (QPushButton* button : {BUseAudioInput, BUseTextInput}) {
        button->setDefault(false);
        button->installEventFilter(this);
    }
    setTabOrder(BUseAudioInput, BUseTextInput);
    connect(BUseAudioInput, &QPushButton::clicked, this, [this] { Choose(false); });
    connect(BUseTextInput, &QPushButton::clicked, this, [this] { Choose(true); });

    Label2 = Named(new QLabel(tr("* Запрос режима перевода можно отключить через \n"
                                 "диалоговое окно [Настройка] > [Внешний вид программы ...]"),
                              this),
                   "Label2");
    // Two long lines: the full width but for a small margin.
    Label2->setGeometry(10, 96, DialogWidth - 20, 40);
    ApplyAccessibleTexts(this);
}

bool TFInpMode::Execute(bool& useTextInput)
{
    Chosen = false;
    BUseAudioInput->setFocus();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    if (Chosen)
        useTextInput = Choice;
    return Chosen;
}

void TFInpMode::Choose(bool useTextInput)
{
    Chosen = true;
    Choice = useTextInput;
    accept();
}

bool TFInpMode::eventFilter(QObject* watched, QEvent* event)
{
    // The prompt sees the keys before its buttons: Esc closes it without a
    // choice and goes no further.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvan
