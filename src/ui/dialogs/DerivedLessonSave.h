#pragma once

// The save dialog SaveLessonDialog and the two saves of derived lessons on it:
// the manual save of the lesson menu and the offer at the end of a run. Also
// the file-dialog seam that widget tests use to answer the program's lesson
// file dialogs without showing them.

#include <QList>
#include <QString>

#include <optional>
#include <string>

#include "lesson/DerivedLessons.h"

class QFileDialog;
class QWidget;

namespace korvan {

struct TBehaviorCfg;
class TLesson;

// For widget tests: the next lesson file dialog (SaveLessonDialog,
// OpenLessonDialog) shows nothing and returns `fileName`, an empty text being
// a cancel. Answers queue up in order.
void SetNextFileName(const QString& fileName);

// What a pre-answered dialog was asked.
struct TFileDialogRequest
{
    QString Dialog; // the dialog's object name
    QString Title;
    QString Folder; // the folder it starts in
    QString File;   // the file name it proposes (empty for an open dialog)
};
// The requests of the pre-answered dialogs since the last call, oldest first.
QList<TFileDialogRequest> TakeFileDialogRequests();

// Shows the dialog modally, or takes the next pre-answer; the chosen file, or
// an empty text when cancelled.
QString ExecFileDialog(QFileDialog& dialog, const QString& proposedFile = QString());

class TDerivedLessonSave : public ISaveLessonDialog
{
public:
    // `window` parents the dialog and the messages.
    explicit TDerivedLessonSave(QWidget* window);

    // ALessonSave_WhatRestOrWithMistakes. A failed write is shown with its
    // text; any old file and the lesson in memory stay as they were.
    void SaveRestOrWithMistakes(const TLesson& lesson, const std::string& pupil1251);
    // The end-of-run offer (does nothing with SaveDiff off or without a
    // question at DiffNum mistakes); failures as above.
    void OfferMistakesSave(const TLesson& lesson, const TBehaviorCfg& cfg,
                           const std::string& pupil1251);

    // Filter "Файлы уроков (*.sl2)", asks before overwriting, resizable; made
    // on first use.
    QFileDialog* SaveLessonDialog();

    // ISaveLessonDialog
    std::optional<std::string> Execute(const std::string& proposedPath,
                                       const std::string& title) override;
    bool ConfirmReplace(const std::string& path) override;

private:
    template <typename Work> void Report(const Work& work);

    QWidget* Window;
    QFileDialog* Dialog = nullptr;
};

} // namespace korvan
