#pragma once

// The behaviour dialog "Поведение программы". It owns the behaviour settings
// (the current configuration, the modes and the current mode): read from
// Korvan.ini and Modes.ini when it is created (start-up), written to Korvan.ini
// when it is destroyed (normal end). Only "Сохранить режим" writes at once.

#include <QDialog>
#include <QSlider>

#include <vector>

#include "settings/BehaviorSettings.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace korvan {

// A track bar with tick marks at chosen positions (QSlider can only space
// them evenly from the minimum).
class TTrackBar : public QSlider
{
public:
    TTrackBar(Qt::Orientation orientation, QWidget* parent);
    void SetTicks(std::vector<int> positions);
    const std::vector<int>& Ticks() const { return TickPositions; }
    // The centre of the handle at `value`, in the track bar's coordinates.
    QPoint HandleCentre(int value) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> TickPositions;
};

class TFBehavior : public QDialog
{
    Q_OBJECT
public:
    // Reads the user's Korvan.ini and the modes (AdaptableFile) and builds
    // the mode menu.
    explicit TFBehavior(QWidget* parent = nullptr);

    // Shows the dialog on a copy of the current configuration. True when it was
    // closed with "Да": only then do the edit and the chosen mode become current.
    bool Execute();

    TBehaviorSettings& Settings() { return FSettings; }
    const TBehaviorSettings& Settings() const { return FSettings; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateModeMenu();
    // The working copy into the controls; the copy itself stays as it is.
    void ShowCfg();
    void ModeChosen(int index);
    void BSaveModeClick();
    void LanguageSwitched(bool TBehaviorCfg::*field, bool down, bool russian);
    void OrderChosen(int orderKind);

    TBehaviorSettings FSettings;
    bool Confirmed = false;
    // Set while ShowCfg fills the controls: their change signals are not the
    // user's and must not reach the working copy.
    bool Filling = false;

    QPushButton* BSelectMode = nullptr;
    QToolButton* BSaveMode = nullptr;
    QMenu* PM = nullptr;
    QToolButton* BShowRText = nullptr;
    QToolButton* BShowEText = nullptr;
    QToolButton* BUseRWav = nullptr;
    QToolButton* BUseEWav = nullptr;
    QToolButton* BTranslRE = nullptr;
    QToolButton* BTranslER = nullptr;
    QButtonGroup* Direction = nullptr;
    QRadioButton* RBUseAudioInput = nullptr;
    QRadioButton* RBUseTextInput = nullptr;
    QCheckBox* CBUseTime = nullptr;
    TTrackBar* TBSpeed = nullptr;
    TTrackBar* TBMistakeChange = nullptr;
    QRadioButton* RBOrder = nullptr;
    QRadioButton* RBAll = nullptr;
    QRadioButton* RBPart = nullptr;
    TTrackBar* TBUseAtOnce = nullptr;
    QCheckBox* CBSaveDiff = nullptr;
    QSpinBox* UDDiffNum = nullptr; // its read-only field is EDiffNum
    QCheckBox* CBUseSpeech = nullptr;
    QPushButton* BOk = nullptr;
    QPushButton* BCancel = nullptr;
};

} // namespace korvan
