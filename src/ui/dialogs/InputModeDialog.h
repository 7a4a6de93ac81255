#pragma once

// The start-up question whether the pupil will speak the translations aloud or
// type them.

#include <QDialog>

class QLabel;
class QPushButton;

namespace korvan {

class TFInpMode : public QDialog
{
    Q_OBJECT
public:
    explicit TFInpMode(QWidget* parent = nullptr);

    // Shows the prompt modally. A button gives `useTextInput` the choice (false
    // to speak, true to type) and returns true; Esc or the close box leave it
    // as it was and return false.
    bool Execute(bool& useTextInput);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(bool useTextInput);

    QLabel* Label1 = nullptr;
    QPushButton* BUseAudioInput = nullptr;
    QPushButton* BUseTextInput = nullptr;
    QLabel* Label2 = nullptr;
    bool Chosen = false;
    bool Choice = false;
};

} // namespace korvan
