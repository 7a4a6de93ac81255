#pragma once

// The editor's recording dialog for one sentence: record from the microphone
// with the trainer's recorder (a level meter while it records), play it back,
// record again, and keep it.

#include <QDialog>
#include <QTimer>

#include <memory>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvan {

class IRecordingDevice;

class TRecordDialog : public QDialog
{
    Q_OBJECT
public:
    // `bufferPath` is Buffer.WAV (its header fixes the format); `sentence`
    // is shown so the author reads it aloud.
    TRecordDialog(const std::string& bufferPath, const QString& sentence,
                  QWidget* parent = nullptr);
    ~TRecordDialog() override;

    IRecordingDevice& Recorder() { return *FRecorder; }
    // Records; false (after a message) when no microphone takes the format.
    bool StartRecording();
    void StopRecording();

private:
    void UpdateLevel();
    void UpdateButtons();

    std::string BufferPath;
    std::unique_ptr<IRecordingDevice> FRecorder;
    QProgressBar* PBLevel = nullptr;
    QPushButton* BRecord = nullptr;
    QPushButton* BPlay = nullptr;
    QPushButton* BKeep = nullptr;
    QTimer LevelTimer;
};

} // namespace korvan
