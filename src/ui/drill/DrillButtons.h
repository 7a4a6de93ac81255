#pragma once

// The right-hand column of the drill window above the progress picture: the
// menu buttons "Урок", "Настройка" and "Помощь", the flat buttons of the
// drill's keys with their key legends and meanings, the own-answer button and
// the two repeat buttons, at their design places (pixels at 96 pixels per
// inch, window coordinates).

#include <vector>

#include "ui/drill/ProgressView.h"

class QLabel;
class QPushButton;
class QWidget;

namespace korvan {

// The controls the window wires; the own-answer and repeat buttons are found
// by the sound service under their names.
struct TDrillButtons
{
    QPushButton* Lesson = nullptr;    // BLesson
    QPushButton* Customize = nullptr; // BCustomize
    QPushButton* Help = nullptr;      // BHelp
    QPushButton* Start = nullptr;     // F4: start the lesson
    QPushButton* Right = nullptr;     // Space or F5: show the translation, or "Я прав"
    QPushButton* Wrong = nullptr;     // Ctrl or F8: "Я ошибся"
    QLabel* KeyLabels[3] = {};        // indexed by TKeyCaption
};

// Creates the column on `window` in the design's order, which is the order
// of the focus chain, and anchors each control to the top or the bottom edge
// in `anchors`.
TDrillButtons CreateDrillButtons(QWidget* window, std::vector<TAnchored>& anchors);

} // namespace korvan
