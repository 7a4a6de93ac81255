#pragma once

// Room ui/editor: the lesson editor's window and its table of questions.
//
// The lesson editor TFLessonEditor: a lesson's header and its questions in a
// table, with every change undoable, the checks of the lesson tool marked in
// their cells, and per sentence a recording made, synthesized, attached or
// removed beside the lesson. The decisions live in src/editor; this window
// shows them and forwards the author's keys.

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

#include "editor/EditorFile.h"
#include "editor/LessonEditor.h"
#include "sound/SoundDevices.h"
#include "speech/SpeechEngine.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QTableView;

namespace korvan {

class TLessonTableModel;
class TTimeCalculator;

struct TLessonEditorHooks
{
    // After every save (the trainer reads the lesson again if it has it open).
    std::function<void(const std::string& path)> Saved;
    // "Проверить в тренажёре", after the save.
    std::function<void(const std::string& path)> TryInTrainer;
    // A file that is not a lesson: offered to the importer when set, which
    // returns the lesson it made (empty when none); the editor then opens it.
    std::function<std::string(QWidget* parent, const std::string& path)> Import;
    // The synthesizer; without one the synthesize actions are disabled.
    ISpeechEngine* Voice = nullptr;
    // Buffer.WAV, whose header fixes the recording format.
    std::string BufferPath;
    // Where the save dialog of a new lesson starts (ends in "/"; empty: the
    // current folder).
    std::string NewLessonFolder;
};

class TFLessonEditor : public QMainWindow
{
    Q_OBJECT
public:
    TFLessonEditor(const TTimeCalculator* norms, TLessonEditorHooks hooks,
                   QWidget* parent = nullptr);
    ~TFLessonEditor() override;

    // Reads the lesson at `path` (a new one when no file is there; an empty
    // path is a new lesson not yet named). False, after a message, for a file
    // that is not a lesson or cannot be read; the window then keeps what it had.
    bool OpenLesson(const std::string& path);

    // Writes the lesson (asking for a name if it has none). False when it was
    // not saved: refused, cancelled or failed (the message says why).
    bool Save();

    // With unsaved changes: asks whether to save them (and saves) or to drop
    // them. False when the author chose to stay.
    bool ConfirmDiscard();

    const std::string& Path() const { return FPath; }
    TLessonEditor& Editor() { return FEditor; }
    QTableView* Table() const { return TVQuestions; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class TRecordingAction
    {
        Record,
        Synthesize,
        Attach,
        Play,
        Remove
    };

    void CreateActions();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& key, std::function<void()> run);
    void UpdateState();
    void ShowHeader();
    void HeaderEdited();
    int CurrentRow() const;
    void GoTo(int row, TColumn column);
    void InsertRow();
    void DeleteRows();
    void MoveRow(int by);
    void FindNext(bool forward);
    void Renumber();
    void ReplaceUnencodable();
    void TryInTrainer();
    // Saves first (recordings lie under the saved numbers); false if it failed.
    bool SavedForRecording();
    void RecordingAction(TRecordingAction action, TLanguage language);
    void RecordingsChanged();
    void SaveToPath(const std::string& path);
    void Fail(const QString& text);

    TLessonEditor FEditor;
    TLessonEditorHooks Hooks;
    std::string FPath;
    bool FromUtf8 = false; // told once, at the first save
    std::unique_ptr<TRecordingFolder> Folder;
    TLessonTableModel* Model = nullptr;

    QLineEdit* ETitle = nullptr;
    QCheckBox* CBWords = nullptr;
    QCheckBox* CBHasRuAudio = nullptr;
    QCheckBox* CBHasEnAudio = nullptr;
    QLineEdit* EFind = nullptr;
    QTableView* TVQuestions = nullptr;
    QAction* AUndo = nullptr;
    QAction* ARedo = nullptr;
    std::unique_ptr<IWarmPlayer> Player; // made at the first playback
    std::uint64_t PlayCount = 0;
};

} // namespace korvan
