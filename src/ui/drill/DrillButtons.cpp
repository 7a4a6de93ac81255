#include "ui/drill/DrillButtons.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/platform/DrawnIcon.h"

namespace korvan {

namespace {

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds)
{
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setGeometry(bounds);
    return button;
}

// A flat button drawn only when pressed: what shows is the legends on it.
// It never takes the focus, so Space and Enter stay with the drill's keys.
QPushButton* MakeFlatButton(QWidget* parent, const char* name, QRect bounds)
{
    QPushButton* button = MakeButton(parent, name, QString(), bounds);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The design's 8-point face was narrower than the faces that stand in for it:
// a meaning that would not fit its line wraps onto two, centred on the line
// (the legends of a button lie far enough apart), rather than being drawn
// narrower or cut.
void FitLegend(QLabel* label)
{
    if (label->sizeHint().width() <= label->width())
        return;
    label->setWordWrap(true);
    QRect place = label->geometry();
    const int need = label->heightForWidth(place.width());
    if (need > place.height())
        place.adjust(0, -(need - place.height()) / 2, 0, (need - place.height() + 1) / 2);
    label->setGeometry(place);
}

// A legend on a flat button: clicks pass through to the button.
QLabel* MakeLegend(QPushButton* button, const char* name, const QString& text, QRect bounds,
                   bool framed)
{
    auto* label = Named(new QLabel(text, button), name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setGeometry(bounds);
    if (framed) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignCenter);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        FitLegend(label);
    }
    return label;
}

// Key legends are 59 pixels wide; meaning labels start at window left 492.
constexpr int KeyLeft = 8;
constexpr int KeyWidth = 59;
constexpr int LegendHeight = 17;
constexpr int MeaningLeft = 492 - 420;
constexpr int MeaningWidth = 145 - MeaningLeft;

} // namespace

TDrillButtons CreateDrillButtons(QWidget* window, std::vector<TAnchored>& anchors)
{
    TDrillButtons b;
    auto top = [&anchors](QWidget* w) { anchors.push_back({w, w->geometry(), false}); };
    auto bottom = [&anchors](QWidget* w) { anchors.push_back({w, w->geometry(), true}); };

    b.Lesson = MakeButton(window, "BLesson", QCoreApplication::translate("TDrillButtons", "Урок"),
                          {424, 16, 137, 25});
    b.Lesson->setIcon(LessonIcon());
    b.Customize =
        MakeButton(window, "BCustomize", QCoreApplication::translate("TDrillButtons", "Настройка"),
                   {424, 48, 137, 25});
    b.Customize->setIcon(SettingsIcon());
    b.Help = MakeButton(window, "BHelp", QCoreApplication::translate("TDrillButtons", "Помощь"),
                        {424, 80, 137, 25});
    b.Help->setIcon(HelpIcon());
    for (QPushButton* button : {b.Lesson, b.Customize, b.Help})
        top(button);

    b.Start = MakeFlatButton(window, "BLesson_Start", {420, 124, 145, 25});
    auto* shape2 = Named(new QFrame(b.Start), "Shape2");
    shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape2->setGeometry(KeyLeft, 4, KeyWidth, LegendHeight);
    MakeLegend(b.Start, "Label2", QStringLiteral("F4"), {KeyLeft, 4, KeyWidth, LegendHeight}, false)
        ->setAlignment(Qt::AlignCenter);
    MakeLegend(b.Start, "LLesson_Start",
               QCoreApplication::translate("TDrillButtons", "Начать урок"),
               {MeaningLeft, 4, MeaningWidth, LegendHeight}, false);
    top(b.Start);

    auto* shape6 = Named(new QFrame(window), "Shape6");
    shape6->setFrameStyle(QFrame::HLine | QFrame::Plain);
    shape6->setGeometry(424, 156, 138, 1);
    top(shape6);

    b.Right = MakeFlatButton(window, "BQuestion_ShowTranslation_Or_PupilChoose_Right",
                             {420, 164, 145, 57});
    b.KeyLabels[static_cast<int>(TKeyCaption::ShowTranslation)] =
        MakeLegend(b.Right, "LQuestion_ShowTranslation_Keys", QStringLiteral("Space | F5"),
                   {KeyLeft, 8, KeyWidth, LegendHeight}, true);
    MakeLegend(b.Right, "LQuestion_ShowTranslation",
               QCoreApplication::translate("TDrillButtons", "Показать перевод"),
               {MeaningLeft, 8, MeaningWidth, LegendHeight}, false);
    b.KeyLabels[static_cast<int>(TKeyCaption::PupilChooseRight)] =
        MakeLegend(b.Right, "LQuestion_PupilChoose_Right_Keys", QStringLiteral("Space | F5"),
                   {KeyLeft, 32, KeyWidth, LegendHeight}, true);
    MakeLegend(b.Right, "LQuestion_PupilChoose_Right",
               QCoreApplication::translate("TDrillButtons", "Я прав"),
               {MeaningLeft, 32, MeaningWidth, LegendHeight}, false);
    top(b.Right);

    // The own-answer and repeat buttons are filled by playback and recording.
    QPushButton* rec = MakeFlatButton(window, "BRecStartStopPlay", {420, 228, 145, 37});
    auto* recLabel = Named(
        new QLabel(QCoreApplication::translate("TDrillButtons", "Прослушать\nсвой ответ"), rec),
        "LRecStartStopPlay");
    recLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    recLabel->setGeometry(MeaningLeft, 2, MeaningWidth, 33);
    top(rec);

    b.Wrong = MakeFlatButton(window, "BQuestion_PupilChoose_Wrong", {420, 272, 145, 25});
    b.KeyLabels[static_cast<int>(TKeyCaption::PupilChooseWrong)] =
        MakeLegend(b.Wrong, "LQuestion_PupilChoose_Wrong_Keys", QStringLiteral("Ctrl  |  F8"),
                   {KeyLeft, 4, KeyWidth, LegendHeight}, true);
    MakeLegend(b.Wrong, "LQuestion_PupilChoose_Wrong",
               QCoreApplication::translate("TDrillButtons", "Я ошибся"),
               {MeaningLeft, 4, MeaningWidth, LegendHeight}, false);
    top(b.Wrong);

    QPushButton* repeatRu = MakeFlatButton(window, "BRepeatRuSound", {420, 356, 145, 25});
    repeatRu->setText(QCoreApplication::translate("TDrillButtons", "По русски"));
    repeatRu->setCheckable(true);
    QPushButton* repeatEn = MakeFlatButton(window, "BRepeatEnSound", {420, 388, 145, 25});
    repeatEn->setText(QCoreApplication::translate("TDrillButtons", "По англ."));
    repeatEn->setCheckable(true);
    for (QPushButton* button : {repeatRu, repeatEn}) {
        button->hide();
        bottom(button);
    }
    return b;
}

} // namespace korvan
