#pragma once

// The review settings, "Повторение ...": where the pupils' history is kept,
// the recall the reviews aim at, when a pupil's day starts and how many cards
// one review asks at most. Korvan.ini is written on OK.

#include <QDialog>
#include <QString>

#include <string>

class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace korvan {

class TFReview : public QDialog
{
public:
    // `korvanIni` is read at each Execute and written on OK; `defaultFolder`
    // is the history folder an empty field stands for.
    TFReview(QWidget* parent, std::string korvanIni, std::string defaultFolder);

    // Shows the settings; true when they were changed and saved.
    bool Execute();

    // For widget tests: the next folder dialog shows nothing and returns
    // `folder` (empty: cancelled).
    static void SetNextFolder(const QString& folder);

    QLineEdit* EHistoryFolder = nullptr;
    QPushButton* BHistoryFolder = nullptr;
    QSpinBox* SERetention = nullptr;
    QSpinBox* SEDayStartsAt = nullptr;
    QSpinBox* SEReviewLimit = nullptr;
    QPushButton* BOk = nullptr;
    QPushButton* BCancel = nullptr;

private:
    void BHistoryFolderClick();
    void BOkClick();
    // Whether the folder can be written into; if not, says why.
    bool Writable(const std::string& folder);
    // Empty when the folder can be written into, else why not (UTF-8).
    static QString WriteProblem(const std::string& folder);

    std::string KorvanIni;
    std::string DefaultFolder;
    bool Saved = false;
};

} // namespace korvan
