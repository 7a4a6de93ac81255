#pragma once

// The sound service until playback and recording exist: nothing is played, so
// every PlaySound reports "not played" and the drill shows each text in place
// of its sound. It still lays out the sound buttons' part of the column.

#include "drill/DrillPorts.h"

class QWidget;

namespace korvan {

// The controls PlaceSoundButtons arranges, all children of the main window.
struct TSoundControls
{
    QWidget* RepeatRu = nullptr;      // BRepeatRuSound
    QWidget* RepeatEn = nullptr;      // BRepeatEnSound
    QWidget* ProgressBox = nullptr;   // ProgressPaintBox
    QWidget* RestSeparator = nullptr; // SRestSeparator
};

class TSilentSound : public ISoundService
{
public:
    explicit TSilentSound(const TSoundControls& controls) : Controls(controls) {}

    bool PlaySound(TSoundKind kind, bool wait) override;
    void StopSound() override {}
    bool IsSoundPlaying() const override { return false; }
    TSoundKind SoundKind() const override { return LastKind; }
    void StartAnswerRecording() override {}
    void StopAnswerRecording() override {}
    void StopAnswerPlayback() override {}
    // No repeat button is ever shown: the progress box reaches down to 20
    // pixels above the separator line.
    void PlaceSoundButtons() override;

private:
    TSoundControls Controls;
    TSoundKind LastKind = TSoundKind::StartRec;
};

} // namespace korvan
