#include "ui/editor/EditorWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "timing/TimeCalculator.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/dialogs/RecordDialog.h"
#include "ui/editor/LessonTableModel.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/SoundModuleLoader.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Errors.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {

TFLessonEditor::TFLessonEditor(const TTimeCalculator* norms, TLessonEditorHooks hooks,
                               QWidget* parent)
    : QMainWindow(parent), FEditor(norms), Hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("TFLessonEditor"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* header = new QFormLayout;
    ETitle = new QLineEdit(central);
    ETitle->setObjectName(QStringLiteral("ETitle"));
    ETitle->setAccessibleName(tr("Название урока"));
    header->addRow(tr("&Название:"), ETitle);
    auto* flags = new QHBoxLayout;
    CBWords = new QCheckBox(tr("Урок для изучения &слов (второй столбец — транскрипция)"));
    CBWords->setObjectName(QStringLiteral("CBWords"));
    CBHasRuAudio = new QCheckBox(tr("Есть &русские записи"));
    CBHasRuAudio->setObjectName(QStringLiteral("CBHasRuAudio"));
    CBHasEnAudio = new QCheckBox(tr("Есть &английские записи"));
    CBHasEnAudio->setObjectName(QStringLiteral("CBHasEnAudio"));
    for (QCheckBox* box : {CBWords, CBHasRuAudio, CBHasEnAudio}) {
        box->setAccessibleName(box->text().remove(QLatin1Char('&')));
        flags->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { HeaderEdited(); });
    }
    header->addRow(flags);
    EFind = new QLineEdit(central);
    EFind->setObjectName(QStringLiteral("EFind"));
    EFind->setAccessibleName(tr("Найти"));
    EFind->setPlaceholderText(tr("Найти (Ctrl+F, затем Enter или F3)"));
    header->addRow(tr("Н&айти:"), EFind);
    layout->addLayout(header);
    connect(ETitle, &QLineEdit::editingFinished, this, [this] { HeaderEdited(); });
    connect(EFind, &QLineEdit::returnPressed, this, [this] { FindNext(true); });

    Model = new TLessonTableModel(FEditor, this);
    TVQuestions = new QTableView(central);
    TVQuestions->setObjectName(QStringLiteral("TVQuestions"));
    TVQuestions->setAccessibleName(tr("Вопросы урока"));
    TVQuestions->setModel(Model);
    // Fixed row heights: the view never measures 100,000 rows.
    TVQuestions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    TVQuestions->verticalHeader()->setDefaultSectionSize(TVQuestions->fontMetrics().height() + 6);
    TVQuestions->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    TVQuestions->horizontalHeader()->setStretchLastSection(false);
    TVQuestions->setColumnWidth(TLessonTableModel::ColNumber, 60);
    TVQuestions->setColumnWidth(TLessonTableModel::ColComment, 160);
    TVQuestions->setColumnWidth(TLessonTableModel::ColRussian, 280);
    TVQuestions->setColumnWidth(TLessonTableModel::ColEnglish, 280);
    TVQuestions->setColumnWidth(TLessonTableModel::ColTime, 70);
    TVQuestions->setWordWrap(false);
    TVQuestions->setTabKeyNavigation(true);
    TVQuestions->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    // The view's own corner button selects every question.
    for (QAbstractButton* corner : TVQuestions->findChildren<QAbstractButton*>())
        corner->setAccessibleName(tr("Выделить все вопросы"));
    layout->addWidget(TVQuestions);
    setCentralWidget(central);

    // The document tells the model while an edit is being made; the caption
    // and the undo actions follow once it is on the stack.
    connect(Model, &TLessonTableModel::Edited, this, [this] { UpdateState(); });
    connect(Model, &QAbstractItemModel::headerDataChanged, this, [this] { ShowHeader(); });
    CreateActions();
    // The menu bar's button for the menus that do not fit.
    for (QAbstractButton* more : menuBar()->findChildren<QAbstractButton*>())
        more->setAccessibleName(tr("Другие меню"));
    resize(1100, 700);
    ApplyAccessibleTexts(this);
    OpenLesson({});
}

TFLessonEditor::~TFLessonEditor()
{
    // The model listens to the document, which goes with the window.
    delete Model;
}

QAction* TFLessonEditor::AddAction(QMenu* menu, const char* name, const QString& caption,
                                   const QKeySequence& key, std::function<void()> run)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    // Keys work wherever the focus is in the window, also while a cell is edited.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        try {
            run();
        } catch (const std::exception& e) {
            Fail(QString::fromUtf8(e.what()));
        }
        UpdateState();
    });
    addAction(action);
    return action;
}

void TFLessonEditor::CreateActions()
{
    // Keys a line edit keeps for itself (Ctrl+Ins copies, Ctrl+Del deletes a
    // word) would never reach the actions while a cell or a field is edited.
    QMenu* lesson = menuBar()->addMenu(tr("&Урок"));
    AddAction(lesson, "ASave", tr("&Сохранить"), QKeySequence::Save, [this] { Save(); });
    AddAction(lesson, "ATryInTrainer", tr("Проверить в тренажёре"), QKeySequence(Qt::Key_F9),
              [this] { TryInTrainer(); });
    lesson->addSeparator();
    AddAction(lesson, "AClose", tr("&Закрыть"), QKeySequence(Qt::CTRL | Qt::Key_W),
              [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Правка"));
    AUndo = AddAction(edit, "AUndo", tr("&Отменить"), QKeySequence::Undo, [this] {
        FEditor.Undo();
        UpdateState();
    });
    ARedo = AddAction(edit, "ARedo", tr("&Повторить"), QKeySequence(Qt::CTRL | Qt::Key_Y), [this] {
        FEditor.Redo();
        UpdateState();
    });
    edit->addSeparator();
    AddAction(edit, "AInsertRow", tr("&Вставить вопрос"), QKeySequence(Qt::CTRL | Qt::Key_N),
              [this] { InsertRow(); });
    AddAction(edit, "ADeleteRow", tr("&Удалить вопрос"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), [this] { DeleteRows(); });
    AddAction(edit, "AMoveUp", tr("Передвинуть &вверх"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), [this] { MoveRow(-1); });
    AddAction(edit, "AMoveDown", tr("Передвинуть в&низ"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down), [this] { MoveRow(1); });
    edit->addSeparator();
    AddAction(edit, "AFind", tr("&Найти"), QKeySequence::Find, [this] {
        EFind->setFocus();
        EFind->selectAll();
    });
    AddAction(edit, "AFindNext", tr("Найти &далее"), QKeySequence(Qt::Key_F3),
              [this] { FindNext(true); });
    AddAction(edit, "AFindPrevious", tr("Найти &ранее"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
              [this] { FindNext(false); });
    edit->addSeparator();
    AddAction(edit, "ARenumber", tr("Перенумеровать по &порядку"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), [this] { Renumber(); });
    AddAction(edit, "AReplaceUnencodable", tr("Заменить символы вне Windows-1251 на \"?\""),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q), [this] { ReplaceUnencodable(); });

    QMenu* sound = menuBar()->addMenu(tr("&Записи"));
    struct
    {
        const char* Name;
        const char* Caption[2]; // Russian, English recording
        TRecordingAction Action;
        Qt::Key Key;
    } const kinds[] = {
        {"ARecord",
         {QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Записать с микрофона (по-русски)"),
          QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Записать с микрофона (по-английски)")},
         TRecordingAction::Record,
         Qt::Key_R},
        {"ASynthesize",
         {QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Синтезировать (по-русски)"),
          QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Синтезировать (по-английски)")},
         TRecordingAction::Synthesize,
         Qt::Key_S},
        {"AAttach",
         {QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Взять файл WAV или MP3 ... (по-русски)"),
          QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Взять файл WAV или MP3 ... (по-английски)")},
         TRecordingAction::Attach,
         Qt::Key_A},
        {"APlay",
         {QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Прослушать (по-русски)"),
          QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Прослушать (по-английски)")},
         TRecordingAction::Play,
         Qt::Key_P},
        {"ARemove",
         {QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Удалить запись (по-русски)"),
          QT_TRANSLATE_NOOP("korvan::TFLessonEditor", "Удалить запись (по-английски)")},
         TRecordingAction::Remove,
         Qt::Key_D},
    };
    for (const TLanguage language : {TLanguage::Russian, TLanguage::English}) {
        const bool ru = language == TLanguage::Russian;
        for (const auto& kind : kinds) {
            const std::string name = std::string(kind.Name) + (ru ? "Ru" : "En");
            const QKeySequence key(Qt::CTRL | (ru ? Qt::ALT : Qt::SHIFT) | kind.Key);
            QAction* action = AddAction(
                sound, name.c_str(), tr(kind.Caption[ru ? 0 : 1]), key,
                [this, kind = kind.Action, language] { RecordingAction(kind, language); });
            if (kind.Action == TRecordingAction::Synthesize && Hooks.Voice == nullptr)
                action->setEnabled(false);
        }
        sound->addSeparator();
    }
}

bool TFLessonEditor::OpenLesson(const std::string& path)
{
    TOpenResult result;
    // The reader fills the document only once it knows the file is a lesson.
    Model->BeginReset();
    try {
        result = OpenForEditing(path, FEditor);
        Model->EndReset();
    } catch (const std::exception& e) {
        Fail(tr("Не удалось прочитать файл \"%1\": %2")
                 .arg(PathText(path), QString::fromUtf8(e.what())));
        Model->EndReset();
        return false;
    }
    if (result.Status == TOpenStatus::NotALesson) {
        const QString magic =
            QString::fromUtf8(LessonMagicLine.data(), qsizetype(LessonMagicLine.size()));
        if (Hooks.Import) {
            if (ShowMsgBox(this,
                           tr("Файл \"%1\" — не урок: его первая строка не \"%2\". "
                              "Импортировать его как урок?")
                               .arg(PathText(path), magic),
                           true)) {
                const std::string lesson = Hooks.Import(this, path);
                // After this opening has failed and its caller has moved on.
                if (!lesson.empty())
                    QTimer::singleShot(0, this, [this, lesson] { OpenLesson(lesson); });
            }
        } else {
            ShowMsgBox(this,
                       tr("Файл \"%1\" — не урок: его первая строка не \"%2\". Таблицу или "
                          "текст можно превратить в урок командой korvan-lesson import.")
                           .arg(PathText(path), magic),
                       false);
        }
        return false;
    }
    FPath = path;
    FromUtf8 = result.FromUtf8;
    Folder = path.empty() ? nullptr : std::make_unique<TRecordingFolder>(FolderOf(path));
    Model->SetRecordingFolder(Folder.get());
    ShowHeader();
    if (Folder) {
        const TEditorHeader proposed = ProposedAudioFlags(FEditor.Document, *Folder);
        const TEditorHeader& now = FEditor.Document.Header();
        if ((proposed.HasRuAudio && !now.HasRuAudio) || (proposed.HasEnAudio && !now.HasEnAudio))
            statusBar()->showMessage(tr("В папке урока есть записи, а заголовок о них не "
                                        "говорит: отметьте флажки записей."));
    }
    if (FEditor.Document.RowCount() > 0)
        GoTo(0, TColumn::Russian);
    UpdateState();
    return true;
}

void TFLessonEditor::ShowHeader()
{
    const TEditorHeader& header = FEditor.Document.Header();
    const QSignalBlocker blockTitle(ETitle);
    if (ETitle->text().toStdString() != header.Title)
        ETitle->setText(QString::fromStdString(header.Title));
    for (auto [box, value] :
         {std::pair{CBWords, header.Words}, std::pair{CBHasRuAudio, header.HasRuAudio},
          std::pair{CBHasEnAudio, header.HasEnAudio}}) {
        const QSignalBlocker block(box);
        box->setChecked(value);
    }
}

void TFLessonEditor::HeaderEdited()
{
    FEditor.SetHeader({ETitle->text().toStdString(), CBWords->isChecked(),
                       CBHasRuAudio->isChecked(), CBHasEnAudio->isChecked()});
    UpdateState();
}

void TFLessonEditor::UpdateState()
{
    const TEditorHeader& header = FEditor.Document.Header();
    const QString file = FPath.empty() ? tr("новый урок") : PathText(FPath);
    const QString title =
        header.Title.empty() ? tr("без названия") : QString::fromStdString(header.Title);
    setWindowTitle(tr("Редактор урока: %1 — %2[*]").arg(title, file));
    setWindowModified(FEditor.Modified());
    AUndo->setEnabled(FEditor.CanUndo());
    ARedo->setEnabled(FEditor.CanRedo());
}

int TFLessonEditor::CurrentRow() const
{
    const QModelIndex current = TVQuestions->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TFLessonEditor::GoTo(int row, TColumn column)
{
    const int modelColumn = column == TColumn::Number    ? TLessonTableModel::ColNumber
                            : column == TColumn::Comment ? TLessonTableModel::ColComment
                            : column == TColumn::Russian ? TLessonTableModel::ColRussian
                                                         : TLessonTableModel::ColEnglish;
    const QModelIndex index = Model->index(row, modelColumn);
    TVQuestions->setCurrentIndex(index);
    TVQuestions->scrollTo(index);
    TVQuestions->setFocus();
}

void TFLessonEditor::InsertRow()
{
    // After the current question, as a teacher adds the next sentence.
    const int at = CurrentRow() + 1;
    FEditor.InsertRows(at);
    GoTo(at, TColumn::Russian);
}

void TFLessonEditor::DeleteRows()
{
    const QModelIndexList rows = TVQuestions->selectionModel()->selectedRows();
    int first = CurrentRow(), count = first < 0 ? 0 : 1;
    if (!rows.isEmpty()) {
        // A whole-row selection is deleted as one contiguous block from its top.
        first = rows.front().row();
        for (const QModelIndex& index : rows)
            first = std::min(first, index.row());
        count = static_cast<int>(rows.size());
    }
    if (count == 0)
        return;
    FEditor.DeleteRows(first, std::min(count, FEditor.Document.RowCount() - first));
    if (FEditor.Document.RowCount() > 0)
        GoTo(std::min(first, FEditor.Document.RowCount() - 1), TColumn::Russian);
}

void TFLessonEditor::MoveRow(int by)
{
    const int row = CurrentRow();
    const int column = TVQuestions->currentIndex().column();
    if (row >= 0 && FEditor.MoveRow(row, by))
        TVQuestions->setCurrentIndex(Model->index(row + by, column));
}

void TFLessonEditor::FindNext(bool forward)
{
    const std::string query = EFind->text().toStdString();
    TCellRef from{std::max(CurrentRow(), 0), TColumn::Number};
    if (const auto column = TLessonTableModel::TextColumn(TVQuestions->currentIndex().column()))
        from.Column = *column;
    else if (CurrentRow() < 0)
        from = {FEditor.Document.RowCount() - 1, TColumn::English}; // the first cell is next
    const auto found = FEditor.Find(query, from, forward);
    if (!found) {
        statusBar()->showMessage(tr("Не найдено: %1").arg(EFind->text()));
        return;
    }
    statusBar()->clearMessage();
    GoTo(found->Row, found->Column);
}

void TFLessonEditor::Renumber()
{
    if (!FEditor.Renumber())
        statusBar()->showMessage(tr("Вопросы уже пронумерованы по порядку."));
}

void TFLessonEditor::ReplaceUnencodable()
{
    if (!FEditor.ReplaceUnencodable())
        statusBar()->showMessage(tr("Символов вне Windows-1251 нет."));
}

bool TFLessonEditor::Save()
{
    std::string path = FPath;
    if (path.empty()) {
        QFileDialog dialog(this, tr("Сохранить урок"));
        dialog.setObjectName(QStringLiteral("SaveEditedLessonDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(tr("Файлы уроков (*.sl2)"));
        dialog.setDefaultSuffix(QStringLiteral("sl2"));
        if (!Hooks.NewLessonFolder.empty())
            dialog.setDirectory(PathText(Hooks.NewLessonFolder));
        const QString chosen = ExecFileDialog(dialog, tr("Новый урок.sl2"));
        if (chosen.isEmpty())
            return false;
        path = PathOf(chosen);
    }
    if (FromUtf8) {
        ShowMsgBox(this,
                   tr("Урок был записан в кодировке UTF-8; тренажёр читает Windows-1251, "
                      "и урок будет сохранён в ней."),
                   false);
        FromUtf8 = false;
    }
    try {
        SaveToPath(path);
    } catch (const TUnencodableError& e) {
        if (e.Cell)
            GoTo(e.Cell->Row, e.Cell->Column);
        else
            ETitle->setFocus();
        if (!ShowMsgBox(this,
                        tr("В уроке есть символы, которых нет в кодировке Windows-1251 (их "
                           "ячейки отмечены). Заменить их на \"?\" и сохранить?"),
                        true))
            return false;
        FEditor.ReplaceUnencodable();
        try {
            SaveToPath(path);
        } catch (const std::exception& again) {
            Fail(tr("Не удалось сохранить урок: %1").arg(QString::fromUtf8(again.what())));
            return false;
        }
    } catch (const std::exception& e) {
        Fail(tr("Не удалось сохранить урок: %1\nИзменения остались в редакторе.")
                 .arg(QString::fromUtf8(e.what())));
        return false;
    }
    return true;
}

void TFLessonEditor::SaveToPath(const std::string& path)
{
    SaveEdited(FEditor, path);
    if (path != FPath || !Folder) {
        FPath = path;
        Folder = std::make_unique<TRecordingFolder>(FolderOf(path));
        Model->SetRecordingFolder(Folder.get());
    } else {
        Folder->Rescan();
        Model->Refresh();
    }
    UpdateState();
    statusBar()->showMessage(tr("Урок сохранён."), 5000);
    if (Hooks.Saved)
        Hooks.Saved(FPath);
}

void TFLessonEditor::TryInTrainer()
{
    if ((FEditor.Modified() || FPath.empty()) && !Save())
        return;
    if (FEditor.Document.RowCount() == 0) {
        ShowMsgBox(this, tr("В уроке нет вопросов."), false);
        return;
    }
    if (Hooks.TryInTrainer)
        Hooks.TryInTrainer(FPath);
}

bool TFLessonEditor::SavedForRecording()
{
    if (CurrentRow() < 0) {
        ShowMsgBox(this, tr("Выберите вопрос."), false);
        return false;
    }
    // Recordings lie under the numbers of the saved lesson.
    return (!FEditor.Modified() && !FPath.empty()) || Save();
}

void TFLessonEditor::RecordingAction(TRecordingAction action, TLanguage language)
{
    if (!SavedForRecording())
        return;
    const int row = CurrentRow();
    const TEditorRow& question = FEditor.Document.Row(row);
    const std::int32_t number = question.Number;
    const std::string& text = language == TLanguage::Russian ? question.RText : question.EText;
    switch (action) {
    case TRecordingAction::Record: {
        TRecordDialog dialog(Hooks.BufferPath, QString::fromStdString(text), this);
        if (!dialog.StartRecording() || dialog.exec() != QDialog::Accepted ||
            dialog.Recorder().Recorded().empty())
            return;
        WriteRecording(*Folder, number, language, dialog.Recorder().RecordFormat(),
                       dialog.Recorder().Recorded());
        break;
    }
    case TRecordingAction::Synthesize: {
        if (Hooks.Voice == nullptr)
            return;
        const TSpeech speech = Hooks.Voice->Render(ToCp1251Replacing(text), language);
        if (!speech.Ok) {
            Fail(tr("Синтез не удался: %1").arg(SoundReason(speech.Error)));
            return;
        }
        WriteRecording(*Folder, number, language, PcmFormat(speech.SampleRate, 1, 16), speech.Pcm);
        break;
    }
    case TRecordingAction::Attach: {
        QFileDialog dialog(this, tr("Взять запись"));
        dialog.setObjectName(QStringLiteral("AttachRecordingDialog"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(tr("Записи (*.wav *.WAV *.mp3 *.MP3)"));
        const QString chosen = ExecFileDialog(dialog);
        if (chosen.isEmpty())
            return;
        AttachRecording(*Folder, number, language, PathOf(chosen));
        break;
    }
    case TRecordingAction::Play: {
        const auto path = Folder->Find(number, language);
        if (!path) {
            statusBar()->showMessage(tr("У этого вопроса нет записи."));
            return;
        }
        if (!Player)
            Player =
                SoundDevices().MakePlayer([](std::uint64_t, TPlayFailure, const std::string&) {});
        const TPlayStart start = Player->Play(*path, ++PlayCount);
        if (start.Failure != TPlayFailure::None)
            Fail(tr("Запись не воспроизводится: %1").arg(SoundReason(start.Error)));
        return;
    }
    case TRecordingAction::Remove: {
        if (!Folder->Has(number, language))
            return;
        if (!ShowMsgBox(this,
                        (language == TLanguage::Russian
                             ? tr("Удалить русский запись вопроса %1? Файл будет удалён.")
                             : tr("Удалить английский запись вопроса %1? Файл будет удалён."))
                            .arg(number),
                        true))
            return;
        RemoveRecording(*Folder, number, language);
        break;
    }
    }
    RecordingsChanged();
}

void TFLessonEditor::RecordingsChanged()
{
    Model->Refresh();
    const TEditorHeader proposed = ProposedAudioFlags(FEditor.Document, *Folder);
    if (!(proposed == FEditor.Document.Header()))
        FEditor.SetHeader(proposed);
    UpdateState();
}

void TFLessonEditor::Fail(const QString& text)
{
    ShowMsgBox(this, text, false);
}

bool TFLessonEditor::ConfirmDiscard()
{
    if (!FEditor.Modified())
        return true;
    // Two plain questions, so that the program's one message box (and its
    // seam for tests) serves: save? and if not, really drop the changes?
    if (ShowMsgBox(this, tr("Урок изменён. Сохранить изменения?"), true))
        return Save();
    return ShowMsgBox(this, tr("Закрыть без сохранения? Изменения будут потеряны."), true);
}

void TFLessonEditor::closeEvent(QCloseEvent* event)
{
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    if (Player)
        Player->Close();
    event->accept();
}

} // namespace korvan
