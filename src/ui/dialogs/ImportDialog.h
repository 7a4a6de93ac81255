#pragma once

// "Импорт урока ..." of the lesson menu: the choice of a file, the preview
// dialog TFImportLesson (the first questions as they will stand in the lesson,
// the column choices, the counts of rows taken and left out), and the offer to
// convert a lesson saved in UTF-8. The decisions are the core's (src/import);
// this only shows them.

#include <QDialog>

#include <functional>
#include <string>

#include "import/ImportBuild.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace korvan {

class TFImportLesson : public QDialog
{
    Q_OBJECT
public:
    TFImportLesson(QWidget* parent, const TImportCollection& collection);

    // The options as the controls set them.
    const TImportOptions& Options() const { return FOptions; }
    const TImportSummary& Summary() const { return FSummary; }

    QComboBox* CBFieldSet = nullptr; // shown when the source has several kinds of record
    QComboBox* CBDeck = nullptr;
    QComboBox* CBRussian = nullptr;
    QComboBox* CBEnglish = nullptr;
    QComboBox* CBComment = nullptr;
    QLineEdit* ETitle = nullptr;
    QCheckBox* CBWords = nullptr;
    QCheckBox* CBKeepNumbers = nullptr;
    QSpinBox* UDFirstNumber = nullptr; // when the questions are numbered afresh
    QSpinBox* UDMaxWords = nullptr;
    QSpinBox* UDPerLesson = nullptr;
    QComboBox* CBUnfit = nullptr;
    QTableWidget* TPreview = nullptr;
    QLabel* LCounts = nullptr;
    QPushButton* BOk = nullptr;

private:
    void ShowFieldSet();
    void ControlsChanged();
    void Rebuild();

    const TImportCollection& Collection;
    TImportOptions FOptions;
    TImportSummary FSummary;
    bool Filling = false;
};

// For widget tests: the next preview dialog is not shown; `answer` sets its
// controls and says whether OK was pressed.
void SetNextImportAnswer(std::function<bool(TFImportLesson&)> answer);

// The whole import: returns the path of the first lesson written, or empty
// when the user gave up or the source could not be read (the reason shown).
std::string ImportLessonInteractive(QWidget* parent);
// The same from a file already chosen (the lesson editor offers a file that is
// not a lesson).
std::string ImportLessonFile(QWidget* parent, const std::string& source);

// After a lesson was opened: when it is a lesson saved in UTF-8, offers to
// convert it; on yes a 1251 copy is saved beside it (or in the user's lessons
// folder when that folder cannot be written) and handed to `open`.
void OfferUtf8LessonConversion(QWidget* parent, const std::string& path,
                               const std::function<void(const std::string&)>& open);

} // namespace korvan
