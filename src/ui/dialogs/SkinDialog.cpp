#include "ui/dialogs/SkinDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/platform/Accessibility.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Fonts.h"
#include "util/Paths.h"

namespace korvan {

namespace {

// Client area in pixels.
constexpr int DialogWidth = 352;
constexpr int DialogHeight = 504;
constexpr int Margin = 8;

struct TColorRowDesign
{
    const char* Caption;
    const char* Name; // the part after BColor, BBackColor, SBackColor
    TColor TSkinCfg::*TextField;
    TColor TSkinCfg::*BackField;
};

const std::array<TColorRowDesign, 7> ColorRowDesigns{{
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Информационных сообщений"), "Info", &TSkinCfg::ColorInfo,
     &TSkinCfg::BackColorInfo},
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Ключевой фразы"), "1", &TSkinCfg::Color1,
     &TSkinCfg::BackColor1},
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Исходного текста"), "2", &TSkinCfg::Color2,
     &TSkinCfg::BackColor2},
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Перевода"), "3", &TSkinCfg::Color3,
     &TSkinCfg::BackColor3},
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Транскрипции"), "Transcription",
     &TSkinCfg::ColorTranscription, &TSkinCfg::BackColorTranscription},
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Окна ввода"), "Input", &TSkinCfg::ColorInput,
     &TSkinCfg::BackColorInput},
    {QT_TRANSLATE_NOOP("korvan::TFSkin", "Подсказки"), "HelpMsg", &TSkinCfg::ColorHelpMsg,
     &TSkinCfg::BackColorHelpMsg},
}};

template <typename W> W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

QColor ToQColor(TColor colour)
{
    // 00BBGGRR; a top byte from a hand-edited file is ignored.
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

TColor FromQColor(const QColor& colour)
{
    return RgbColor(colour.red(), colour.green(), colour.blue());
}

TColorShape::TColorShape(QWidget* parent) : QWidget(parent) {}

void TColorShape::SetColor(const QColor& colour)
{
    Fill = colour;
    update();
}

void TColorShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(Fill);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TFSkin::TFSkin(QWidget* parent)
    : QDialog(parent), ChooseFont([this](const QFont& f) { return RunFontDialog(f); }),
      ChooseColor([this](const QColor& c) { return RunColorDialog(c); }),
      IniPath(UserFile("Skin.ini"))
{
    setObjectName(QStringLiteral("FSkin"));
    setWindowTitle(tr("Внешний вид программы"));
    setFixedSize(DialogWidth, DialogHeight);
    setFont(DialogFont());
    CreateControls();
    ApplyAccessibleTexts(this);
    try {
        LoadSkinCfg(Cfg, IniPath);
    } catch (...) {
        // Unreadable settings are the defaults; nothing is reported.
        Cfg = TSkinCfg{};
    }
    Edit = Cfg;
    ShowEdit();
}

TFSkin::~TFSkin()
{
    try {
        SaveSkinCfg(Cfg, IniPath);
    } catch (...) {
        // A user folder that cannot be written was reported at the start; at
        // the end there is nobody left to tell.
    }
}

void TFSkin::CreateControls()
{
    const int innerWidth = DialogWidth - 2 * Margin;

    BFont = Named(new QPushButton(tr("Шрифт"), this), QStringLiteral("BFont"));
    BFont->setGeometry(Margin, Margin, innerWidth, 76);
    BFont->setAutoDefault(false);
    connect(BFont, &QPushButton::clicked, this, [this] { BFontClick(); });

    Label1 = new QLabel(tr("Цвета:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Margin, 92, innerWidth, 16);

    constexpr int rowTop = 112;
    constexpr int rowHeight = 34;
    constexpr int rowStep = 40;
    constexpr int backWidth = 64;
    const int captionWidth = innerWidth - backWidth - Margin;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const TColorRowDesign& design = ColorRowDesigns[i];
        TColorRow& row = Rows[i];
        const int top = rowTop + static_cast<int>(i) * rowStep;
        const QString name = QString::fromLatin1(design.Name);
        row.TextField = design.TextField;
        row.BackField = design.BackField;

        // The caption lies over the rectangle, so the pair shows as the pane will.
        row.Shape = Named(new TColorShape(this), QStringLiteral("SBackColor") + name);
        row.Shape->setGeometry(Margin, top, captionWidth, rowHeight);

        row.Text =
            Named(new QPushButton(tr(design.Caption), this), QStringLiteral("BColor") + name);
        row.Text->setFlat(true);
        row.Text->setAutoDefault(false);
        QFont bold = row.Text->font();
        bold.setBold(true);
        row.Text->setFont(bold);
        row.Text->setGeometry(Margin + 1, top + 1, captionWidth - 2, rowHeight - 2);
        connect(row.Text, &QPushButton::clicked, this, [this, &row] { TextColorClick(row); });

        row.Back = Named(new QPushButton(tr("Фон"), this), QStringLiteral("BBackColor") + name);
        row.Back->setAutoDefault(false);
        row.Back->setGeometry(DialogWidth - Margin - backWidth, top, backWidth, rowHeight);
        connect(row.Back, &QPushButton::clicked, this, [this, &row] { BackColorClick(row); });
    }

    const int checkTop = rowTop + static_cast<int>(Rows.size()) * rowStep;
    CBShowHelpMsg =
        Named(new QCheckBox(tr("Показывать подсказки"), this), QStringLiteral("CBShowHelpMsg"));
    CBShowHelpMsg->setGeometry(Margin, checkTop, innerWidth, 20);
    CBAskAtStartupUseTextInput =
        Named(new QCheckBox(tr("При запуске программы спрашивать о режиме перевода"), this),
              QStringLiteral("CBAskAtStartupUseTextInput"));
    // The longest caption: its box reaches almost to the dialog's right edge.
    CBAskAtStartupUseTextInput->setGeometry(Margin, checkTop + 22, DialogWidth - Margin - 2, 20);
    CBUseEscapeForExit =
        Named(new QCheckBox(tr("Использовать [Esc] для выхода из программы"), this),
              QStringLiteral("CBUseEscapeForExit"));
    CBUseEscapeForExit->setGeometry(Margin, checkTop + 44, innerWidth, 20);
    connect(CBShowHelpMsg, &QCheckBox::toggled, this, [this](bool on) { Edit.ShowHelpMsg = on; });
    connect(CBAskAtStartupUseTextInput, &QCheckBox::toggled, this,
            [this](bool on) { Edit.AskAtStartupUseTextInput = on; });
    connect(CBUseEscapeForExit, &QCheckBox::toggled, this,
            [this](bool on) { Edit.UseEscapeForExit = on; });

    constexpr int buttonWidth = 80;
    constexpr int buttonHeight = 28;
    const int buttonTop = DialogHeight - Margin - buttonHeight;
    BOk = Named(new QPushButton(tr("Да"), this), QStringLiteral("BOk"));
    BOk->setDefault(true);
    BOk->setGeometry(DialogWidth - 2 * (Margin + buttonWidth), buttonTop, buttonWidth,
                     buttonHeight);
    connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
    BCancel = Named(new QPushButton(tr("Отмена"), this), QStringLiteral("BCancel"));
    BCancel->setAutoDefault(false);
    BCancel->setGeometry(DialogWidth - Margin - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFSkin::ShowEdit()
{
    BFont->setFont(SkinFont(Edit));
    for (TColorRow& row : Rows) {
        QPalette palette = row.Text->palette();
        palette.setColor(QPalette::ButtonText, ToQColor(Edit.*row.TextField));
        row.Text->setPalette(palette);
        row.Shape->SetColor(ToQColor(Edit.*row.BackField));
    }
    CBShowHelpMsg->setChecked(Edit.ShowHelpMsg);
    CBAskAtStartupUseTextInput->setChecked(Edit.AskAtStartupUseTextInput);
    CBUseEscapeForExit->setChecked(Edit.UseEscapeForExit);
}

bool TFSkin::Execute()
{
    Edit = Cfg;
    ShowEdit();
    BOk->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    Cfg = Edit;
    return true;
}

void TFSkin::SetLanguage(const std::string& stored)
{
    Cfg.Language = stored;
    Edit.Language = stored;
    try {
        SaveSkinCfg(Cfg, IniPath);
    } catch (...) {
        // Written again at the end; a user folder that cannot be written was
        // reported at the start.
    }
}

void TFSkin::BFontClick()
{
    const std::optional<QFont> chosen = ChooseFont(SkinFont(Edit));
    if (!chosen)
        return;
    Edit.FontName = ToCp1251Text(chosen->family());
    // A font given in pixels has no point size; the settings keep points.
    const int points =
        chosen->pointSize() > 0 ? chosen->pointSize() : qRound(QFontInfo(*chosen).pointSizeF());
    Edit.FontSize = points > 0 ? points : Edit.FontSize;
    Edit.FontBold = chosen->bold();
    Edit.FontItalic = chosen->italic();
    Edit.FontUnderline = chosen->underline();
    ShowEdit();
}

void TFSkin::TextColorClick(TColorRow& row)
{
    if (const std::optional<QColor> chosen = ChooseColor(ToQColor(Edit.*row.TextField))) {
        Edit.*row.TextField = FromQColor(*chosen);
        ShowEdit();
    }
}

void TFSkin::BackColorClick(TColorRow& row)
{
    if (const std::optional<QColor> chosen = ChooseColor(ToQColor(Edit.*row.BackField))) {
        Edit.*row.BackField = FromQColor(*chosen);
        ShowEdit();
    }
}

std::optional<QFont> TFSkin::RunFontDialog(const QFont& initial)
{
    if (FD == nullptr) {
        FD = new QFontDialog(this);
        FD->setObjectName(QStringLiteral("FD"));
    }
    FD->setCurrentFont(initial);
    if (FD->exec() != QDialog::Accepted)
        return std::nullopt;
    return FD->selectedFont();
}

std::optional<QColor> TFSkin::RunColorDialog(const QColor& initial)
{
    if (CD == nullptr) {
        CD = new QColorDialog(this);
        CD->setObjectName(QStringLiteral("CD"));
    }
    CD->setCurrentColor(initial);
    if (CD->exec() != QDialog::Accepted)
        return std::nullopt;
    return CD->selectedColor();
}

} // namespace korvan
