#include "ui/dialogs/BehaviorDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QToolButton>

#include <algorithm>
#include <exception>
#include <utility>

#include "settings/BehaviorControls.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/DrawnIcon.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"

namespace korvan {

namespace {

// Client area in pixels.
constexpr int DialogWidth = 447;
constexpr int DialogHeight = 543;
constexpr int Margin = 8;
constexpr int InnerWidth = DialogWidth - 2 * Margin;

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFrame* GroupLine(QWidget* parent, const char* name, int top)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Margin, top, InnerWidth, 2);
    return line;
}

// The icons are drawn here rather than shipped: a page of text, a loudspeaker,
// a direction of translation, a floppy disk, each with a language tag.
enum class TIconKind
{
    Text,
    Sound,
    Direction,
    Save
};

QIcon MakeIcon(TIconKind kind, const QString& tag = {})
{
    const int width = kind == TIconKind::Direction ? 46 : 36;
    return DrawnIcon({width, 26}, [kind, tag, width](QPainter& p) {
        const QColor ink(40, 60, 110);
        p.setPen(QPen(ink, 1.5));
        switch (kind) {
        case TIconKind::Text:
            p.setBrush(Qt::white);
            p.drawRect(QRectF(2.5, 2.5, 15, 21));
            for (int y = 7; y <= 19; y += 4)
                p.drawLine(QPointF(5, y), QPointF(15, y));
            break;
        case TIconKind::Sound: {
            QPainterPath speaker;
            speaker.moveTo(2, 10);
            speaker.lineTo(6, 10);
            speaker.lineTo(11, 5);
            speaker.lineTo(11, 21);
            speaker.lineTo(6, 16);
            speaker.lineTo(2, 16);
            speaker.closeSubpath();
            p.setBrush(ink);
            p.drawPath(speaker);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(9, 8, 6, 10), -60 * 16, 120 * 16);
            p.drawArc(QRectF(9, 5, 10, 16), -60 * 16, 120 * 16);
            break;
        }
        case TIconKind::Direction:
            break;
        case TIconKind::Save:
            p.setBrush(QColor(90, 120, 190));
            p.drawRoundedRect(QRectF(8.5, 3.5, 19, 19), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(12.5, 3.5, 11, 7));
            p.drawRect(QRectF(11.5, 14.5, 13, 8));
            break;
        }
        if (!tag.isEmpty()) {
            QFont small(InstalledFace(QStringLiteral("Tahoma")));
            small.setPixelSize(kind == TIconKind::Direction ? 11 : 10);
            small.setBold(true);
            p.setFont(small);
            p.setPen(QColor(170, 30, 30));
            const QRect place =
                kind == TIconKind::Direction ? QRect(0, 0, width, 26) : QRect(18, 8, 18, 16);
            p.drawText(place, Qt::AlignCenter, tag);
        }
    });
}

QToolButton* ToggleButton(QWidget* parent, const char* name, const QString& hint, const QIcon& icon,
                          QRect place)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setCheckable(true);
    button->setIcon(icon);
    button->setIconSize(QSize(place.width() - 8, 26));
    button->setToolTip(hint);
    button->setGeometry(place);
    return button;
}

} // namespace

TTrackBar::TTrackBar(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent)
{
    setTickPosition(QSlider::NoTicks); // drawn by paintEvent
}

void TTrackBar::SetTicks(std::vector<int> positions)
{
    TickPositions = std::move(positions);
    update();
}

QPoint TTrackBar::HandleCentre(int value) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = value;
    option.sliderValue = value;
    return style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this)
        .center();
}

void TTrackBar::paintEvent(QPaintEvent* event)
{
    QSlider::paintEvent(event);
    QPainter p(this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    for (int value : TickPositions) {
        const QPoint centre = HandleCentre(value);
        if (orientation() == Qt::Horizontal)
            p.drawLine(centre.x(), height() - 5, centre.x(), height() - 1);
        else
            p.drawLine(width() - 5, centre.y(), width() - 1, centre.y());
    }
}

TFBehavior::TFBehavior(QWidget* parent)
    : QDialog(parent),
      FSettings(UserFile("Korvan.ini"), ShippedFile("Modes.ini"), UserFile("Modes.ini"))
{
    setObjectName(QStringLiteral("FBehavior"));
    setWindowTitle(tr("Поведение программы"));
    setFixedSize(DialogWidth, DialogHeight);
    setFont(DialogFont());
    CreateControls();
    CreateModeMenu();
    ApplyAccessibleTexts(this);
    for (TTrackBar* trackBar : {TBSpeed, TBMistakeChange, TBUseAtOnce})
        DescribeTrackBarValue(trackBar);
}

void TFBehavior::CreateControls()
{
    // Mode row.
    BSelectMode = Named(new QPushButton(this), "BSelectMode");
    BSelectMode->setFlat(true);
    BSelectMode->setAutoDefault(false);
    BSelectMode->setStyleSheet(QStringLiteral(
        "QPushButton { text-align: left; padding: 2px 6px; border: 1px solid palette(mid); }"));
    BSelectMode->setGeometry(Margin, 8, 273, 26);
    connect(BSelectMode, &QPushButton::clicked, this,
            [this] { PopupUnderButton(BSelectMode, PM); });

    BSaveMode = Named(new QToolButton(this), "BSaveMode");
    BSaveMode->setText(tr("Сохранить режим"));
    BSaveMode->setIcon(MakeIcon(TIconKind::Save));
    BSaveMode->setIconSize(QSize(36, 26));
    BSaveMode->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BSaveMode->setAutoRaise(true);
    BSaveMode->setToolTip(
        tr("Сохраненить выбранные в данный момент установки\nпод именем выбранного режима"));
    BSaveMode->setGeometry(DialogWidth - Margin - 156, 4, 156, 34);
    connect(BSaveMode, &QToolButton::clicked, this, [this] { BSaveModeClick(); });
    GroupLine(this, "Bevel1", 42);

    // Text and sound of each language, direction.
    Label(this, "Label9", tr("Показывать текст"), {Margin, 50, 110, 30})->setWordWrap(true);
    Label(this, "Label10", tr("Проигрывать звук \n(при наличии звук. файлов к уроку)"),
          {120, 50, 202, 30});
    Label(this, "Label15", tr("Направление перевода"), {324, 50, 115, 30})->setWordWrap(true);
    const QString ru = tr("Ру");
    const QString en = QStringLiteral("En");
    BShowRText = ToggleButton(this, "BShowRText", tr("Показывать\nрусский текст"),
                              MakeIcon(TIconKind::Text, ru), {Margin, 84, 44, 32});
    BShowEText = ToggleButton(this, "BShowEText", tr("Показывать\nанглийский текст"),
                              MakeIcon(TIconKind::Text, en), {56, 84, 44, 32});
    BUseRWav = ToggleButton(this, "BUseRWav", tr("Аудировать\nрусский текст"),
                            MakeIcon(TIconKind::Sound, ru), {126, 84, 44, 32});
    BUseEWav = ToggleButton(this, "BUseEWav", tr("Аудировать\nанглийский текст"),
                            MakeIcon(TIconKind::Sound, en), {174, 84, 44, 32});
    BTranslRE =
        ToggleButton(this, "BTranslRE", tr("Перевод с русского \nна английский"),
                     MakeIcon(TIconKind::Direction, ru + QChar(0x2192) + en), {324, 84, 54, 32});
    BTranslER =
        ToggleButton(this, "BTranslER", tr("Перевод с английского\nна русский"),
                     MakeIcon(TIconKind::Direction, en + QChar(0x2192) + ru), {382, 84, 54, 32});
    Direction = new QButtonGroup(this);
    Direction->setExclusive(true);
    Direction->addButton(BTranslRE);
    Direction->addButton(BTranslER);
    connect(BShowRText, &QToolButton::clicked, this,
            [this](bool down) { LanguageSwitched(&TBehaviorCfg::ShowRText, down, true); });
    connect(BUseRWav, &QToolButton::clicked, this,
            [this](bool down) { LanguageSwitched(&TBehaviorCfg::UseRWav, down, true); });
    connect(BShowEText, &QToolButton::clicked, this,
            [this](bool down) { LanguageSwitched(&TBehaviorCfg::ShowEText, down, false); });
    connect(BUseEWav, &QToolButton::clicked, this,
            [this](bool down) { LanguageSwitched(&TBehaviorCfg::UseEWav, down, false); });
    connect(BTranslRE, &QToolButton::clicked, this,
            [this] { FSettings.EditCfg.TranslRE = BTranslRE->isChecked(); });
    connect(BTranslER, &QToolButton::clicked, this,
            [this] { FSettings.EditCfg.TranslRE = !BTranslER->isChecked(); });
    GroupLine(this, "Bevel2", 124);

    // Input mode.
    Label(this, "Label1", tr("Перевод я буду:"), {Margin, 134, 112, 18});
    RBUseAudioInput = Named(new QRadioButton(tr("Произносить вслух"), this), "RBUseAudioInput");
    RBUseAudioInput->setGeometry(126, 132, 150, 20);
    RBUseTextInput = Named(new QRadioButton(tr("Набирать на клавиатуре"), this), "RBUseTextInput");
    RBUseTextInput->setGeometry(280, 132, 159, 20);
    auto* inputGroup = new QButtonGroup(this);
    inputGroup->addButton(RBUseAudioInput);
    inputGroup->addButton(RBUseTextInput);
    connect(RBUseAudioInput, &QRadioButton::clicked, this,
            [this] { FSettings.EditCfg.UseTextInput = false; });
    connect(RBUseTextInput, &QRadioButton::clicked, this,
            [this] { FSettings.EditCfg.UseTextInput = true; });
    GroupLine(this, "Bevel3", 160);

    // Thinking time.
    Label(this, "Label2", tr("Время на обдумывание (от нормы)"), {Margin, 170, 260, 18});
    CBUseTime = Named(new QCheckBox(tr("С учетом времени"), this), "CBUseTime");
    CBUseTime->setGeometry(280, 168, 159, 20);
    TBSpeed = Named(new TTrackBar(Qt::Horizontal, this), "TBSpeed");
    TBSpeed->setRange(SpeedRange.Min, SpeedRange.Max);
    TBSpeed->setPageStep(2);
    TBSpeed->setGeometry(Margin, 190, InnerWidth, 26);
    std::vector<int> everyPosition;
    for (int v = SpeedRange.Min; v <= SpeedRange.Max; ++v)
        everyPosition.push_back(v);
    TBSpeed->SetTicks(everyPosition);
    // English writes a decimal point.
    const QString speedLabels[] = {QStringLiteral("1/2"), QStringLiteral("1"), tr("1,5"),
                                   QStringLiteral("2"), tr("2,5")};
    for (int i = 0; i < 5; ++i) {
        const int x = Margin + TBSpeed->HandleCentre(i * 5).x();
        Label(this, ("LSpeed" + std::to_string(i)).c_str(), speedLabels[i], {x - 14, 216, 28, 16})
            ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    connect(CBUseTime, &QCheckBox::clicked, this, [this](bool checked) {
        FSettings.EditCfg.UseTime = checked;
        TBSpeed->setEnabled(checked);
    });
    connect(TBSpeed, &QSlider::valueChanged, this, [this](int position) {
        if (!Filling)
            FSettings.EditCfg.Speed = position;
    });
    GroupLine(this, "Bevel4", 238);

    // Mistakes.
    Label(this, "Label13", tr("Если дан неверный перевод, \nто предложение"),
          {Margin, 262, 184, 32});
    TBMistakeChange = Named(new TTrackBar(Qt::Vertical, this), "TBMistakeChange");
    TBMistakeChange->setRange(MistakeChangeRange.Min, MistakeChangeRange.Max);
    TBMistakeChange->setInvertedAppearance(true); // -1 at the top
    TBMistakeChange->setPageStep(1);
    TBMistakeChange->setGeometry(196, 246, 28, 74);
    TBMistakeChange->SetTicks({-1, 0, 1});
    const QString mistakeLabels[] = {tr("больше не показывать"), tr("показать еще один раз"),
                                     tr("показать еще два раза")};
    for (int i = 0; i < 3; ++i) {
        const int y = 246 + TBMistakeChange->HandleCentre(i - 1).y();
        Label(this, ("LMistake" + std::to_string(i)).c_str(), mistakeLabels[i],
              {230, y - 8, 209, 16});
    }
    connect(TBMistakeChange, &QSlider::valueChanged, this, [this](int position) {
        if (!Filling)
            FSettings.EditCfg.MistakeChange = position;
    });
    GroupLine(this, "Bevel5", 326);

    // Order.
    QLabel* orderLabel = Label(this, "Label35", tr("Способ перебора:"), {Margin, 336, 112, 18});
    RBOrder = Named(new QRadioButton(tr("по порядку"), this), "RBOrder");
    RBAll = Named(new QRadioButton(tr("случайно все"), this), "RBAll");
    RBPart = Named(new QRadioButton(tr("случайно часть"), this), "RBPart");
    // The row as designed; captions of another language that need more room
    // start the row earlier, as far as a shorter label allows.
    const std::pair<QRadioButton*, int> row[] = {{RBOrder, 95}, {RBAll, 105}, {RBPart, 107}};
    int need = 0;
    for (const auto& [button, width] : row)
        need += std::max(button->sizeHint().width() - width, 0);
    int x = std::max(Margin + orderLabel->sizeHint().width() + 6, 126 - need);
    x = std::min(x, 126);
    int spare = DialogWidth - Margin - x - (95 + 3 + 105 + 3 + 107);
    for (const auto& [button, width] : row) {
        const int grown = std::min(std::max(button->sizeHint().width() - width, 0), spare);
        spare -= grown;
        button->setGeometry(x, 334, width + grown, 20);
        x += width + grown + 3;
    }
    auto* orderGroup = new QButtonGroup(this);
    orderGroup->addButton(RBOrder);
    orderGroup->addButton(RBAll);
    orderGroup->addButton(RBPart);
    connect(RBOrder, &QRadioButton::clicked, this, [this] { OrderChosen(0); });
    connect(RBAll, &QRadioButton::clicked, this, [this] { OrderChosen(1); });
    connect(RBPart, &QRadioButton::clicked, this, [this] { OrderChosen(2); });
    Label(this, "Label24", tr("Одновременно используются предложений"),
          {Margin, 360, InnerWidth, 18});
    TBUseAtOnce = Named(new TTrackBar(Qt::Horizontal, this), "TBUseAtOnce");
    TBUseAtOnce->setRange(UseAtOnceRange.Min, UseAtOnceRange.Max);
    TBUseAtOnce->setPageStep(5);
    TBUseAtOnce->setGeometry(Margin, 378, InnerWidth, 26);
    const int atOnceLabels[] = {1, 10, 20, 30, 40};
    for (int value : atOnceLabels) {
        const int x = Margin + TBUseAtOnce->HandleCentre(value).x();
        Label(this, ("LAtOnce" + std::to_string(value)).c_str(), QString::number(value),
              {x - 14, 404, 28, 16})
            ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    connect(TBUseAtOnce, &QSlider::valueChanged, this, [this](int position) {
        if (!Filling)
            FSettings.EditCfg.UseAtOnce = position;
    });
    GroupLine(this, "Bevel6", 426);

    // Saving the sentences with mistakes.
    CBSaveDiff = Named(new QCheckBox(tr("Сохранять в файле предложения на"), this), "CBSaveDiff");
    CBSaveDiff->setGeometry(Margin, 437, 232, 20);
    UDDiffNum = Named(new QSpinBox(this), "UDDiffNum");
    UDDiffNum->setRange(DiffNumRange.Min, DiffNumRange.Max);
    UDDiffNum->setGeometry(242, 436, 44, 22);
    // The number changes by the arrows only.
    auto* field = UDDiffNum->findChild<QLineEdit*>();
    field->setReadOnly(true);
    field->setObjectName(QStringLiteral("EDiffNum"));
    Label(this, "Label12", tr("или более"), {292, 439, 147, 18});
    Label(this, "Label11", tr("которых было допущено ошибок"), {26, 460, 300, 18});
    connect(CBSaveDiff, &QCheckBox::clicked, this, [this](bool checked) {
        FSettings.EditCfg.SaveDiff = checked;
        UDDiffNum->setEnabled(checked);
    });
    connect(UDDiffNum, &QSpinBox::valueChanged, this, [this](int position) {
        if (!Filling)
            FSettings.EditCfg.DiffNum = position;
    });

    // Speech for sentences without a recording. Its caption is too long for
    // the room beside the sound switches, so it takes the free row above the
    // buttons rather than moving the groups.
    CBUseSpeech =
        Named(new QCheckBox(tr("Озвучивать предложения без записи синтезатором речи"), this),
              "CBUseSpeech");
    CBUseSpeech->setGeometry(Margin, 482, InnerWidth, 20);
    connect(CBUseSpeech, &QCheckBox::clicked, this,
            [this](bool checked) { FSettings.EditCfg.UseSpeech = checked; });

    BOk = Named(new QPushButton(tr("Да"), this), "BOk");
    BOk->setDefault(true);
    BOk->setGeometry(DialogWidth - 2 * (Margin + 80), DialogHeight - Margin - 28, 80, 28);
    connect(BOk, &QPushButton::clicked, this, [this] {
        Confirmed = true;
        accept();
    });
    BCancel = Named(new QPushButton(tr("Отмена"), this), "BCancel");
    BCancel->setAutoDefault(false);
    BCancel->setGeometry(DialogWidth - Margin - 80, DialogHeight - Margin - 28, 80, 28);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Tab order, top to bottom. The check boxes, track bars and the number
    // field are in it too: a pupil who works by keys alone must reach them.
    const QList<QWidget*> order{
        BSelectMode, BSaveMode,   BShowRText,      BShowEText,      BUseRWav,
        BUseEWav,    BTranslRE,   BTranslER,       RBUseAudioInput, RBUseTextInput,
        CBUseTime,   TBSpeed,     TBMistakeChange, RBOrder,         RBAll,
        RBPart,      TBUseAtOnce, CBSaveDiff,      UDDiffNum,       CBUseSpeech,
        BOk,         BCancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFBehavior::CreateModeMenu()
{
    PM = new QMenu(this);
    PM->setObjectName(QStringLiteral("PM"));
    for (int i = 0; i < FSettings.ModeCount(); ++i) {
        const std::string& name = FSettings.ModeNames[static_cast<std::size_t>(i)];
        if (name == "-") {
            PM->addSeparator();
            continue;
        }
        // "&" would underline the next letter; the name is shown as stored.
        QAction* item = PM->addAction(FromCp1251(name).replace(QLatin1Char('&'), "&&"));
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, i] { ModeChosen(i); });
    }
}

bool TFBehavior::Execute()
{
    Confirmed = false;
    FSettings.SelectedMode = FSettings.CurrentMode;
    Assign(FSettings.EditCfg, FSettings.CurrentCfg);
    ShowCfg();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    if (Confirmed) {
        FSettings.CurrentMode = FSettings.SelectedMode;
        Assign(FSettings.CurrentCfg, FSettings.EditCfg);
    }
    return Confirmed;
}

void TFBehavior::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TBUseAtOnce->SetTicks({UseAtOnceRange.Min, 5, 10, 15, 20, 25, 30, 35, UseAtOnceRange.Max});
    BOk->setFocus(Qt::OtherFocusReason);
}

void TFBehavior::ShowCfg()
{
    const TBehaviorCfg& cfg = FSettings.EditCfg;
    Filling = true;
    BSelectMode->setText(
        tr("Режим :  %1").arg(FromCp1251(FSettings.ModeName(FSettings.SelectedMode))));

    CBUseTime->setChecked(cfg.UseTime);
    TBSpeed->setEnabled(cfg.UseTime);
    TBSpeed->setValue(ShownPosition(cfg.Speed, SpeedRange));

    TBMistakeChange->setValue(ShownPosition(cfg.MistakeChange, MistakeChangeRange));
    TBUseAtOnce->setValue(ShownPosition(cfg.UseAtOnce, UseAtOnceRange));
    const TOrderButton order = OrderButtonOf(cfg.OrderKind);
    // The drill takes every kind but 0 and 1 as "random part", which uses the
    // number at once: the track bar goes with the button shown.
    TBUseAtOnce->setEnabled(order == TOrderButton::Part);
    RBOrder->setChecked(order == TOrderButton::Order);
    RBAll->setChecked(order == TOrderButton::All);
    RBPart->setChecked(order == TOrderButton::Part);

    CBSaveDiff->setChecked(cfg.SaveDiff);
    UDDiffNum->setEnabled(cfg.SaveDiff);
    UDDiffNum->setValue(ShownPosition(cfg.DiffNum, DiffNumRange));

    BShowRText->setChecked(cfg.ShowRText);
    BShowEText->setChecked(cfg.ShowEText);
    BUseRWav->setChecked(cfg.UseRWav);
    BUseEWav->setChecked(cfg.UseEWav);
    BTranslRE->setChecked(cfg.TranslRE);
    BTranslER->setChecked(!cfg.TranslRE);

    RBUseTextInput->setChecked(cfg.UseTextInput);
    RBUseAudioInput->setChecked(!cfg.UseTextInput);
    CBUseSpeech->setChecked(cfg.UseSpeech);
    Filling = false;
}

void TFBehavior::LanguageSwitched(bool TBehaviorCfg::*field, bool down, bool russian)
{
    FSettings.EditCfg.*field = down;
    // The warning only informs: the switch stays as the user set it.
    if (const auto warning = BothOffWarning(FSettings.EditCfg, russian ? TLanguageSide::Russian
                                                                       : TLanguageSide::English))
        ShowMsgBox(this, Shown(*warning), false);
}

void TFBehavior::OrderChosen(int orderKind)
{
    FSettings.EditCfg.OrderKind = orderKind;
    TBUseAtOnce->setEnabled(orderKind == 2);
}

void TFBehavior::ModeChosen(int index)
{
    FSettings.SelectedMode = index;
    LoadBehaviorCfg(FSettings.EditCfg, FSettings.ModesIniPath(), ModeSectionName(index + 1));
    ShowCfg();
}

void TFBehavior::BSaveModeClick()
{
    const int mode = FSettings.SelectedMode;
    if (mode < 0 || mode >= FSettings.ModeCount())
        return;
    try {
        FSettings.SaveMode(mode, FSettings.EditCfg);
    } catch (const std::exception& e) {
        // As the program reports any failed write; the dialog stays open.
        ShowMsgBox(this, QString::fromUtf8(e.what()), false);
        return;
    }
    ShowMsgBox(this, tr("Установки сохранены."), false);
}

} // namespace korvan
