#include "ui/dialogs/PupilsDialog.h"

#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QCollator>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include <memory>

#include "ui/platform/Accessibility.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"

namespace korvan {

namespace {

// Client areas in pixels; neither dialog is resizable.
constexpr int PupilsWidth = 328;
constexpr int PupilsHeight = 392;
constexpr int EditorWidth = 391;
constexpr int EditorHeight = 96;
constexpr int Margin = 8;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 25;

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

enum class TGlyph
{
    Plus,
    Pencil,
    Cross
};

// The three buttons' icons, drawn rather than shipped.
QIcon Glyph(TGlyph glyph)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case TGlyph::Plus:
        p.setPen(QPen(QColor(0, 128, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(10, 3, 10, 17);
        p.drawLine(3, 10, 17, 10);
        break;
    case TGlyph::Pencil:
        p.setPen(QPen(QColor(160, 110, 20), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(16, 4, 6, 14);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(6, 14, 3, 17);
        break;
    case TGlyph::Cross:
        p.setPen(QPen(QColor(192, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(4, 4, 16, 16);
        p.drawLine(16, 4, 4, 16);
        break;
    }
    return QIcon(pixmap);
}

// Blanks and control characters (codes 0..32) off both ends.
QString TrimControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

// Refuses an entry: the message (marked in the context of TFPupils), the
// focus on the control, nothing more.
void Refuse(QWidget* parent, const char* message, QWidget* control)
{
    ShowMsgBox(parent, QCoreApplication::translate("korvan::TFPupils", message), false);
    FocusControl(control);
}

} // namespace

TNameCompare RussianCollation()
{
    auto collator = std::make_shared<QCollator>(QLocale(QLocale::Russian, QLocale::Russia));
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](const std::string& a, const std::string& b) {
        return collator->compare(FromCp1251(a), FromCp1251(b));
    };
}

// ---------------------------------------------------------------- TFPupils_e

TFPupils_e::TFPupils_e(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FPupils_e"));
    setWindowTitle(tr("Информация об ученике"));
    setFixedSize(EditorWidth, EditorHeight);
    setFont(DialogFont());

    LName = Named(new QLabel(tr("Имя:"), this), "LName");
    LName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A longer caption (another language's) takes room from the field.
    const int labelWidth = std::max(40, LName->sizeHint().width());
    LName->setGeometry(Margin, 16, labelWidth, 21);
    EName = Named(new QLineEdit(this), "EName");
    // Longer names would not fit the caption, nor survive the settings file.
    EName->setMaxLength(255);
    EName->setGeometry(Margin + labelWidth + 8, 16, EditorWidth - 2 * Margin - labelWidth - 8, 21);
    LName->setBuddy(EName);

    const int top = EditorHeight - Margin - ButtonHeight;
    BOk = Named(new QPushButton(tr("Да"), this), "BOk");
    BOk->setDefault(true);
    BOk->setGeometry(EditorWidth - 2 * (Margin + ButtonWidth), top, ButtonWidth, ButtonHeight);
    connect(BOk, &QPushButton::clicked, this, [this] { BOkClick(); });
    BCancel = Named(new QPushButton(tr("Отмена"), this), "BCancel");
    BCancel->setAutoDefault(false);
    BCancel->setGeometry(EditorWidth - Margin - ButtonWidth, top, ButtonWidth, ButtonHeight);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    ApplyAccessibleTexts(this);
}

bool TFPupils_e::Execute(QString& name)
{
    EName->setText(name);
    EName->selectAll();
    EName->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return false;
    name = EName->text();
    return true;
}

void TFPupils_e::BOkClick()
{
    EName->setText(TrimControls(EName->text()));
    if (EName->text().isEmpty()) {
        Refuse(this, QT_TRANSLATE_NOOP("korvan::TFPupils", "Не указанно имя ученика."), EName);
        return;
    }
    accept();
}

// ---------------------------------------------------------------- TFPupils

TFPupils::TFPupils(QWidget* parent)
    : QDialog(parent), IniPath(UserFile("Pupils.ini")), Pupils(RussianCollation()),
      Edit(RussianCollation())
{
    setObjectName(QStringLiteral("FPupils"));
    setWindowTitle(tr("Ученики"));
    setFixedSize(PupilsWidth, PupilsHeight);
    setFont(DialogFont());
    CreateControls();
    ApplyAccessibleTexts(this);
    try {
        Pupils.Load(IniPath);
    } catch (...) {
        // Unreadable settings give the one default pupil.
        Pupils = TPupils(RussianCollation());
        Pupils.Names.Add(DefaultPupilName(1));
    }
    // The dialog sees Insert, Delete and F2 before any of its controls.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

TFPupils::~TFPupils()
{
    try {
        Pupils.Save(IniPath);
    } catch (...) {
        // A user folder that cannot be written was reported at the start; at
        // the end there is nobody left to tell.
    }
}

void TFPupils::CreateControls()
{
    constexpr int toolSize = 28;
    struct TTool
    {
        QToolButton*& Button;
        const char* Name;
        const char* Hint;
        TGlyph Icon;
        void (TFPupils::*Click)();
    };
    const TTool tools[] = {
        {BInsert, "BInsert", QT_TRANSLATE_NOOP("korvan::TFPupils", "Добавить ученика\n[Insert]"),
         TGlyph::Plus, &TFPupils::BInsertClick},
        {BEdit, "BEdit",
         QT_TRANSLATE_NOOP("korvan::TFPupils", "Исправить информацию об ученике\n[F2]"),
         TGlyph::Pencil, &TFPupils::BEditClick},
        {BDelete, "BDelete", QT_TRANSLATE_NOOP("korvan::TFPupils", "Удалить ученика\n[Delete]"),
         TGlyph::Cross, &TFPupils::BDeleteClick},
    };
    int left = Margin;
    for (const TTool& tool : tools) {
        tool.Button = Named(new QToolButton(this), tool.Name);
        tool.Button->setAutoRaise(true);
        tool.Button->setIcon(Glyph(tool.Icon));
        tool.Button->setToolTip(tr(tool.Hint));
        tool.Button->setFocusPolicy(Qt::NoFocus);
        tool.Button->setGeometry(left, Margin, toolSize, toolSize);
        connect(tool.Button, &QToolButton::clicked, this,
                [this, click = tool.Click] { (this->*click)(); });
        left += toolSize + 4;
    }

    const int buttonTop = PupilsHeight - Margin - ButtonHeight;
    const int checkTop = buttonTop - Margin - 34;
    const int listTop = Margin + toolSize + 4;
    LBPupils = Named(new QListWidget(this), "LBPupils");
    LBPupils->setSelectionMode(QAbstractItemView::SingleSelection);
    LBPupils->setGeometry(Margin, listTop, PupilsWidth - 2 * Margin, checkTop - Margin - listTop);
    // A double click anywhere in the list acts as "Выбрать", as on an entry.
    LBPupils->viewport()->installEventFilter(this);

    CBShowPupilsAtStartup =
        Named(new QCheckBox(tr("Предлагать выбор ученика при запуске программы"), this),
              "CBShowPupilsAtStartup");
    CBShowPupilsAtStartup->setGeometry(Margin, checkTop, PupilsWidth - 2 * Margin, 34);

    BOk = Named(new QPushButton(tr("Выбрать"), this), "BOk");
    BOk->setDefault(true);
    BOk->setGeometry(PupilsWidth - 2 * (Margin + ButtonWidth), buttonTop, ButtonWidth,
                     ButtonHeight);
    connect(BOk, &QPushButton::clicked, this, [this] { BOkClick(); });
    BCancel = Named(new QPushButton(tr("Отмена"), this), "BCancel");
    BCancel->setAutoDefault(false);
    BCancel->setGeometry(PupilsWidth - Margin - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFPupils::Execute()
{
    Confirmed = false;
    PendingRenames.clear();
    CBShowPupilsAtStartup->setChecked(Pupils.ShowPupilsAtStartup);
    Edit = Pupils.Names;
    ShowNames(Pupils.SelectedPupilIndex);
    LBPupils->setFocus(Qt::OtherFocusReason);
    exec();
    if (Confirmed) {
        Pupils.ShowPupilsAtStartup = CBShowPupilsAtStartup->isChecked();
        Pupils.Names = Edit;
        Pupils.SelectedPupilIndex = SelectedRow();
        Renames.insert(Renames.end(), PendingRenames.begin(), PendingRenames.end());
    }
    return Confirmed;
}

std::vector<std::pair<std::string, std::string>> TFPupils::TakeRenames()
{
    return std::exchange(Renames, {});
}

bool TFPupils::ExecuteAtStartup()
{
    return Pupils.ShowPupilsAtStartup && Execute();
}

void TFPupils::ShowNames(int select)
{
    LBPupils->clear();
    for (const std::string& name : Edit.Names())
        LBPupils->addItem(FromCp1251(name));
    if (select >= 0 && select < LBPupils->count())
        LBPupils->setCurrentRow(select);
}

int TFPupils::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = LBPupils->selectedItems();
    return selected.isEmpty() ? -1 : LBPupils->row(selected.front());
}

TFPupils_e& TFPupils::NameEditor()
{
    if (!Editor)
        Editor = new TFPupils_e(this);
    return *Editor;
}

void TFPupils::BInsertClick()
{
    QString name;
    if (!NameEditor().Execute(name))
        return;
    const TPupilEditResult result = Edit.Add(ToCp1251Text(name));
    if (result.Outcome == TPupilEdit::Duplicate)
        ShowMsgBox(this, tr("Ученик с таким именем уже есть."), false);
    ShowNames(result.Select);
}

void TFPupils::BEditClick()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    QString name = FromCp1251(Edit.Name(row));
    if (!NameEditor().Execute(name))
        return;
    const std::string before = Edit.Name(row);
    const TPupilEditResult result = Edit.Rename(row, ToCp1251Text(name));
    if (result.Outcome == TPupilEdit::Unchanged)
        return;
    if (result.Outcome == TPupilEdit::Done)
        PendingRenames.emplace_back(before, Edit.Name(result.Select));
    if (result.Outcome == TPupilEdit::Duplicate)
        ShowMsgBox(this, tr("Ученик с таким именем уже есть."), false);
    ShowNames(result.Select);
}

void TFPupils::BDeleteClick()
{
    const int row = SelectedRow();
    if (row < 0 || !ShowMsgBox(this, tr("Удалить?"), true))
        return;
    ShowNames(Edit.Delete(row));
}

void TFPupils::BOkClick()
{
    switch (CheckPupilChoice(Edit.Count(), SelectedRow())) {
    case TPupilChoice::EmptyList:
        Refuse(this, QT_TRANSLATE_NOOP("korvan::TFPupils", "Перечень учеников не может быть пуст."),
               LBPupils);
        return;
    case TPupilChoice::NoSelection:
        Refuse(this, QT_TRANSLATE_NOOP("korvan::TFPupils", "Ученик не выбран."), LBPupils);
        return;
    case TPupilChoice::Ok:
        break;
    }
    Confirmed = true;
    accept();
}

bool TFPupils::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == LBPupils->viewport()) {
        BOkClick();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Insert:
        BInsertClick();
        return true;
    case Qt::Key_Delete:
        BDeleteClick();
        return true;
    case Qt::Key_F2:
        BEditClick();
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace korvan
