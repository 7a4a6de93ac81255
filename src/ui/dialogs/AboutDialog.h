#pragma once

// The about box: the program's name, purpose and version, its web page, the
// author with his e-mail address and home page, the acknowledgement, and the
// folder that holds the user's log, settings and lessons.

#include <QDialog>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace korvan {

class TFAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFAbout(QWidget* parent = nullptr);

    // Shows the box modally; "Да", Enter or Esc close it.
    void Execute();

    // A text and the line that runs on from its end, at most `MaxWidth` long.
    struct TUnderline
    {
        QLabel* Label;
        QFrame* Line;
        int MaxWidth;
    };

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::vector<TUnderline> Underlines;
    bool Measured = false;
    QLabel* LVersion = nullptr;
    QLabel* LWeb_KorvanRoot = nullptr;
    QLabel* LEmail_My = nullptr;
    QLabel* LWeb_MyRoot = nullptr;
    QLabel* LUserFolder = nullptr; // the user folder, opened when clicked
    QPushButton* BOk = nullptr;
};

} // namespace korvan
