#include "ui/dialogs/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>
#include <unistd.h>

#include "import/ImportModule.h"
#include "import/ImportWrite.h"
#include "import/SourceText.h"
#include "import/Utf8Lesson.h"
#include "lesson/LessonSounds.h"
#include "settings/LessonAuthoring.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/Paths.h"

namespace korvan {

namespace {

constexpr int PreviewRows = 20;
constexpr int ListedUnfitRows = 10;

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

std::function<bool(TFImportLesson&)>& NextAnswer()
{
    static std::function<bool(TFImportLesson&)> answer;
    return answer;
}

// A field combo: "(нет)" first, then the fields; the item data is the index.
void FillFields(QComboBox* combo, const TFieldSet& set, int current)
{
    combo->clear();
    combo->addItem(QCoreApplication::translate("korvan::TFImportLesson", "(нет)"), -1);
    for (std::size_t f = 0; f < set.Fields.size(); ++f)
        combo->addItem(Utf8(set.Fields[f]), static_cast<int>(f));
    combo->setCurrentIndex(combo->findData(current));
}

QComboBox* MakeCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, const QString& none)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, 1000000);
    spin->setSpecialValueText(none);
    return spin;
}

// The import's reasons come in both languages: the half of the interface's.
bool Russian()
{
    return InstalledLanguage() == TUiLanguage::Russian;
}

QString ErrorText(const TImportError& e)
{
    return Utf8(Russian() ? e.Russian : e.what());
}

QString UnfitText(const TUnfitText& unfit)
{
    return Utf8(Russian() ? DescribeUnfitRussian(unfit) : DescribeUnfit(unfit));
}

QString SkipLines(const std::vector<TSkipCount>& skipped)
{
    QString text;
    for (const TSkipCount& s : skipped)
        if (s.Count > 0)
            text += QStringLiteral("\n  ") + Utf8(Russian() ? s.RussianReason : s.Reason) +
                    QStringLiteral(": ") + QString::number(s.Count);
    return text;
}

} // namespace

void SetNextImportAnswer(std::function<bool(TFImportLesson&)> answer)
{
    NextAnswer() = std::move(answer);
}

TFImportLesson::TFImportLesson(QWidget* parent, const TImportCollection& collection)
    : QDialog(parent), Collection(collection), FOptions(ProposeOptions(collection))
{
    setObjectName(QStringLiteral("FImportLesson"));
    setWindowTitle(tr("Импорт урока"));
    setSizeGripEnabled(true);
    auto* form = new QFormLayout;

    CBFieldSet = MakeCombo(this, "CBFieldSet");
    for (const TFieldSet& set : collection.FieldSets)
        CBFieldSet->addItem(Utf8(set.Name));
    // Shown only when there is something to choose.
    if (collection.FieldSets.size() > 1)
        form->addRow(tr("Вид записей:"), CBFieldSet);
    else
        CBFieldSet->hide();
    CBDeck = MakeCombo(this, "CBDeck");
    CBDeck->addItem(tr("(все)"), -1);
    for (std::size_t d = 0; d < collection.Decks.size(); ++d)
        CBDeck->addItem(Utf8(collection.Decks[d]), static_cast<int>(d));
    if (collection.Decks.size() > 1)
        form->addRow(tr("Колода:"), CBDeck);
    else
        CBDeck->hide();
    CBRussian = MakeCombo(this, "CBRussian");
    CBEnglish = MakeCombo(this, "CBEnglish");
    CBComment = MakeCombo(this, "CBComment");
    form->addRow(tr("Русский текст:"), CBRussian);
    form->addRow(tr("Английский текст:"), CBEnglish);
    form->addRow(tr("Комментарий:"), CBComment);

    ETitle = new QLineEdit(Utf8(FOptions.Title), this);
    ETitle->setObjectName(QStringLiteral("ETitle"));
    form->addRow(tr("Название урока:"), ETitle);
    CBWords = new QCheckBox(tr("Урок для изучения слов"), this);
    CBWords->setObjectName(QStringLiteral("CBWords"));
    CBWords->setChecked(FOptions.Words);
    form->addRow(CBWords);
    CBKeepNumbers = new QCheckBox(tr("Номера вопросов из файла"), this);
    CBKeepNumbers->setObjectName(QStringLiteral("CBKeepNumbers"));
    CBKeepNumbers->setChecked(collection.NumberField >= 0);
    CBKeepNumbers->setEnabled(collection.NumberField >= 0);
    form->addRow(CBKeepNumbers);
    UDFirstNumber = new QSpinBox(this);
    UDFirstNumber->setObjectName(QStringLiteral("UDFirstNumber"));
    UDFirstNumber->setRange(-1000000, 1000000);
    UDFirstNumber->setValue(FOptions.FirstNumber);
    UDFirstNumber->setEnabled(!CBKeepNumbers->isChecked());
    form->addRow(tr("Нумеровать с:"), UDFirstNumber);
    UDMaxWords = MakeSpin(this, "UDMaxWords", tr("без ограничения"));
    form->addRow(tr("Не больше слов в предложении:"), UDMaxWords);
    UDPerLesson = MakeSpin(this, "UDPerLesson", tr("все в одном уроке"));
    form->addRow(tr("Предложений в уроке:"), UDPerLesson);
    CBUnfit = MakeCombo(this, "CBUnfit");
    CBUnfit->addItem(tr("показать такие строки"));
    CBUnfit->addItem(tr("пропустить такие строки"));
    CBUnfit->addItem(tr("заменить символы на «?»"));
    form->addRow(tr("Символы, которых нет в Windows-1251:"), CBUnfit);

    TPreview = new QTableWidget(0, 4, this);
    TPreview->setObjectName(QStringLiteral("TPreview"));
    TPreview->setHorizontalHeaderLabels(
        {tr("Номер"), tr("Комментарий"), tr("Русский"), tr("Английский")});
    TPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TPreview->horizontalHeader()->setStretchLastSection(true);
    TPreview->verticalHeader()->hide();
    LCounts = new QLabel(this);
    LCounts->setObjectName(QStringLiteral("LCounts"));
    LCounts->setWordWrap(true);
    LCounts->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BOk = buttons->button(QDialogButtonBox::Ok);
    BOk->setObjectName(QStringLiteral("BOk"));
    BOk->setText(tr("Импортировать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(TPreview, 1);
    layout->addWidget(LCounts);
    layout->addWidget(buttons);
    resize(760, 640);
    ApplyAccessibleTexts(this);

    ShowFieldSet();
    auto changed = [this] { ControlsChanged(); };
    connect(CBFieldSet, &QComboBox::currentIndexChanged, this, [this] {
        ShowFieldSet();
        Rebuild();
    });
    for (QComboBox* combo : {CBDeck, CBRussian, CBEnglish, CBComment, CBUnfit})
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    // The title changes no question: no rebuild for every key pressed.
    connect(ETitle, &QLineEdit::textChanged, this,
            [this](const QString& title) { FOptions.Title = title.toStdString(); });
    for (QCheckBox* box : {CBWords, CBKeepNumbers})
        connect(box, &QCheckBox::toggled, this, changed);
    for (QSpinBox* spin : {UDFirstNumber, UDMaxWords, UDPerLesson})
        connect(spin, &QSpinBox::valueChanged, this, changed);
    Rebuild();
}

void TFImportLesson::ShowFieldSet()
{
    const int set = std::max(0, CBFieldSet->currentIndex());
    if (static_cast<std::size_t>(set) >= Collection.FieldSets.size())
        return;
    Filling = true;
    const TColumnChoice& choice = FOptions.Columns[static_cast<std::size_t>(set)];
    FillFields(CBRussian, Collection.FieldSets[set], choice.Russian);
    FillFields(CBEnglish, Collection.FieldSets[set], choice.English);
    FillFields(CBComment, Collection.FieldSets[set], choice.Comment);
    Filling = false;
}

void TFImportLesson::ControlsChanged()
{
    if (Filling)
        return;
    const int set = std::max(0, CBFieldSet->currentIndex());
    if (static_cast<std::size_t>(set) < FOptions.Columns.size()) {
        TColumnChoice& choice = FOptions.Columns[static_cast<std::size_t>(set)];
        const int russian = CBRussian->currentData().toInt();
        const int english = CBEnglish->currentData().toInt();
        // A recording follows its text to the field chosen, unless it lies in
        // a field of its own.
        if (choice.RussianSound == choice.Russian)
            choice.RussianSound = russian;
        if (choice.EnglishSound == choice.English)
            choice.EnglishSound = english;
        choice.Russian = russian;
        choice.English = english;
        choice.Comment = CBComment->currentData().toInt();
    }
    FOptions.Deck = CBDeck->currentData().toInt();
    FOptions.Words = CBWords->isChecked();
    FOptions.KeepNumbers = CBKeepNumbers->isChecked();
    FOptions.FirstNumber = UDFirstNumber->value();
    UDFirstNumber->setEnabled(!FOptions.KeepNumbers);
    FOptions.MaxWords = static_cast<std::size_t>(UDMaxWords->value());
    FOptions.PerLesson = static_cast<std::size_t>(UDPerLesson->value());
    FOptions.Unfit = static_cast<TUnfitChoice>(CBUnfit->currentIndex());
    Rebuild();
}

void TFImportLesson::Rebuild()
{
    TPreview->setRowCount(0);
    QString problem;
    try {
        FSummary = BuildLessons(Collection, FOptions, [this](TBuiltLesson& built) {
            for (const TQuestion& q : built.Lesson.Questions) {
                const int row = TPreview->rowCount();
                if (row >= PreviewRows)
                    return;
                TPreview->insertRow(row);
                const QString cells[] = {QString::number(q.Number), FromCp1251(q.Comment),
                                         FromCp1251(q.RText), FromCp1251(q.EText)};
                for (int c = 0; c < 4; ++c)
                    TPreview->setItem(row, c, new QTableWidgetItem(cells[c]));
            }
        });
    } catch (const TImportError& e) {
        FSummary = TImportSummary();
        problem = ErrorText(e);
    }
    QString text;
    if (!problem.isEmpty())
        text = tr("Урок не может быть создан: %1").arg(problem);
    else if (!FSummary.Unfit.empty()) {
        text = tr("В %n строках есть символы, которых нет в Windows-1251; выберите, пропустить "
                  "такие строки или заменить символы:",
                  nullptr, static_cast<int>(FSummary.UnfitRows));
        for (std::size_t i = 0; i < FSummary.Unfit.size() && i < ListedUnfitRows; ++i)
            text += QStringLiteral("\n  ") + UnfitText(FSummary.Unfit[i]);
    } else {
        text = FSummary.Lessons > 1 ? tr("Будет взято вопросов: %1, уроков: %2")
                                          .arg(FSummary.Taken)
                                          .arg(FSummary.Lessons)
                                    : tr("Будет взято вопросов: %1").arg(FSummary.Taken);
        const QString skipped = SkipLines(FSummary.Skipped);
        if (!skipped.isEmpty())
            text += QStringLiteral("\n") + tr("Пропущено:") + skipped;
    }
    LCounts->setText(text);
    BOk->setEnabled(problem.isEmpty() && FSummary.Unfit.empty() && FSummary.Taken > 0);
}

std::string ImportLessonInteractive(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ImportLessonDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("korvan::TFImportLesson", "Импорт урока"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QCoreApplication::translate(
                               "korvan::TFImportLesson",
                               "Таблицы, колоды Anki, Tatoeba, уроки (*.csv *.tsv *.txt *.apkg "
                               "*.colpkg *.sl2)"),
                           QCoreApplication::translate("korvan::TFImportLesson", "Все файлы (*)")});
    dialog.setDirectory(QDir::homePath());
    const QString chosen = ExecFileDialog(dialog);
    if (chosen.isEmpty())
        return {};
    return ImportLessonFile(parent, QFile::encodeName(chosen).toStdString());
}

std::string ImportLessonFile(QWidget* parent, const std::string& source)
{
    try {
        if (IsUtf8LessonFile(source)) {
            std::string converted;
            OfferUtf8LessonConversion(parent, source,
                                      [&](const std::string& path) { converted = path; });
            return converted;
        }
        const TImportCollection collection = ReadImportSourceThroughModule(source);
        TFImportLesson preview(parent, collection);
        std::function<bool(TFImportLesson&)> answer = std::move(NextAnswer());
        NextAnswer() = nullptr;
        if (!(answer ? answer(preview) : preview.exec() == QDialog::Accepted))
            return {};
        if (!preview.BOk->isEnabled())
            return {};

        bool recordings = false;
        BuildLessons(collection, preview.Options(),
                     [&](TBuiltLesson& built) { recordings = recordings || !built.Media.empty(); });
        const std::string target =
            ImportedLessonPath(UserLessonsFolder(), preview.Options().Title, recordings);
        TLessonWriter writer(target, collection.Media.get());
        BuildLessons(collection, preview.Options(), std::ref(writer));
        writer.Commit();
        if (writer.MissingMedia() > 0)
            ShowMsgBox(
                parent,
                QCoreApplication::translate("korvan::TFImportLesson",
                                            "Записей нет в файле: %1; эти предложения будут без "
                                            "звука.")
                    .arg(writer.MissingMedia()),
                false);
        return writer.LessonPaths().empty() ? std::string() : writer.LessonPaths().front();
    } catch (const TImportError& e) {
        ShowMsgBox(parent,
                   QCoreApplication::translate("korvan::TFImportLesson",
                                               "Не удалось импортировать файл \"%1\": %2")
                       .arg(PathText(source), ErrorText(e)),
                   false);
    }
    return {};
}

void OfferUtf8LessonConversion(QWidget* parent, const std::string& path,
                               const std::function<void(const std::string&)>& open)
{
    if (!IsUtf8LessonFile(path))
        return;
    std::string target = ConvertedLessonPath(path);
    if (access(FolderOf(target).empty() ? "." : FolderOf(target).c_str(), W_OK) != 0) {
        std::filesystem::create_directories(UserLessonsFolder());
        target = ConvertedLessonPath(UserLessonsFolder() +
                                     std::filesystem::path(path).filename().string());
    }
    if (!ShowMsgBox(
            parent,
            QCoreApplication::translate("korvan::TFImportLesson",
                                        "Файл \"%1\" сохранён в кодировке UTF-8, а программа "
                                        "читает уроки в кодировке Windows-1251. Преобразовать "
                                        "его? Копия будет сохранена как \"%2\", исходный файл "
                                        "останется.")
                .arg(QFile::decodeName(path.c_str()), QFile::decodeName(target.c_str())),
            true))
        return;
    const std::string bytes = ReadWholeFile(path, std::size_t(512) << 20);
    TLessonConversion conversion = ConvertUtf8Lesson(bytes, TUnfitChoice::Stop);
    if (!conversion.Unfit.empty()) {
        QString list;
        for (std::size_t i = 0; i < conversion.Unfit.size() && i < ListedUnfitRows; ++i)
            list += QStringLiteral("\n  ") + UnfitText(conversion.Unfit[i]);
        if (!ShowMsgBox(
                parent,
                QCoreApplication::translate("korvan::TFImportLesson",
                                            "В файле есть символы, которых нет в Windows-1251; "
                                            "они будут заменены на «?»:") +
                    list,
                true))
            return;
        conversion = ConvertUtf8Lesson(bytes, TUnfitChoice::Replace);
    }
    WriteFileAtomically(target, conversion.Cp1251);
    open(target);
}

} // namespace korvan
