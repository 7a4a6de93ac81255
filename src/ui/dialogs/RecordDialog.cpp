#include "ui/dialogs/RecordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

#include "drill/AnswerAudio.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/SoundModuleLoader.h"
#include "ui/platform/UiHelpers.h"

namespace korvan {

namespace {

constexpr std::uint32_t LevelWindowMs = 100;

} // namespace

TRecordDialog::TRecordDialog(const std::string& bufferPath, const QString& sentence,
                             QWidget* parent)
    : QDialog(parent), BufferPath(bufferPath),
      FRecorder(SoundDevices().MakeRecorder([this] { UpdateButtons(); }))
{
    setObjectName(QStringLiteral("TRecordDialog"));
    setWindowTitle(tr("Запись предложения"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(sentence, this);
    text->setWordWrap(true);
    layout->addWidget(text);
    PBLevel = new QProgressBar(this);
    PBLevel->setObjectName(QStringLiteral("PBLevel"));
    PBLevel->setAccessibleName(tr("Уровень звука"));
    PBLevel->setRange(0, 100);
    PBLevel->setTextVisible(false);
    layout->addWidget(PBLevel);
    auto* buttons = new QDialogButtonBox(this);
    BRecord = buttons->addButton(tr("&Записать"), QDialogButtonBox::ActionRole);
    BRecord->setObjectName(QStringLiteral("BRecord"));
    BPlay = buttons->addButton(tr("&Прослушать"), QDialogButtonBox::ActionRole);
    BPlay->setObjectName(QStringLiteral("BPlay"));
    BKeep = buttons->addButton(tr("&Сохранить"), QDialogButtonBox::AcceptRole);
    BKeep->setObjectName(QStringLiteral("BKeep"));
    QPushButton* cancel = buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BCancel"));
    for (QPushButton* b : {BRecord, BPlay, BKeep, cancel}) {
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
        b->setAutoDefault(false);
    }
    // Enter keeps the take, Esc drops it, whichever button has the focus.
    BKeep->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        StopRecording();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(BRecord, &QPushButton::clicked, this, [this] {
        if (FRecorder->IsRecording())
            StopRecording();
        else
            StartRecording();
    });
    connect(BPlay, &QPushButton::clicked, this, [this] {
        if (FRecorder->IsPlaying()) {
            FRecorder->StopPlayback();
        } else {
            const TWavFormat& format = FRecorder->RecordFormat();
            const std::uint64_t perSecond = std::max<std::uint32_t>(format.BytesPerSecond(), 1);
            FRecorder->PlayRecording(
                static_cast<std::int64_t>(FRecorder->Recorded().size() * 1000 / perSecond));
        }
        UpdateButtons();
    });
    LevelTimer.setInterval(50);
    connect(&LevelTimer, &QTimer::timeout, this, [this] {
        UpdateLevel();
        UpdateButtons();
    });
    UpdateButtons();
    ApplyAccessibleTexts(this);
}

TRecordDialog::~TRecordDialog() = default;

bool TRecordDialog::StartRecording()
{
    FRecorder->StopPlayback();
    FRecorder->StartRecording(BufferPath);
    if (!FRecorder->IsRecording()) {
        ShowMsgBox(this,
                   tr("Не удалось начать запись: микрофон не найден или не принимает "
                      "формат записи (Buffer.WAV)."),
                   false);
        UpdateButtons();
        return false;
    }
    LevelTimer.start();
    UpdateButtons();
    return true;
}

void TRecordDialog::StopRecording()
{
    if (!FRecorder->IsRecording())
        return;
    FRecorder->StopRecording();
    LevelTimer.stop();
    PBLevel->setValue(0);
    UpdateButtons();
}

void TRecordDialog::UpdateLevel()
{
    // The peak of the last tenth of a second, as 16-bit mono.
    const TWavFormat& capture = FRecorder->CaptureFormat();
    const std::string& captured = FRecorder->Captured();
    const std::size_t window =
        static_cast<std::size_t>(capture.BytesPerSecond()) * LevelWindowMs / 1000;
    if (window == 0 || capture.BlockAlign == 0)
        return;
    std::size_t from = captured.size() > window ? captured.size() - window : 0;
    from -= from % capture.BlockAlign;
    const std::string mono = ConvertPcm(std::string_view(captured).substr(from), capture,
                                        PcmFormat(capture.SampleRate, 1, 16));
    int peak = 0;
    for (std::size_t i = 0; i + 1 < mono.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(
            static_cast<unsigned char>(mono[i]) | (static_cast<unsigned char>(mono[i + 1]) << 8));
        peak = std::max(peak, std::abs(int(sample)));
    }
    PBLevel->setValue(peak * 100 / 32768);
}

void TRecordDialog::UpdateButtons()
{
    const bool recording = FRecorder->IsRecording();
    BRecord->setText(recording                       ? tr("&Остановить")
                     : FRecorder->Recorded().empty() ? tr("&Записать")
                                                     : tr("Записать &заново"));
    BRecord->setAccessibleName(BRecord->text().remove(QLatin1Char('&')));
    BPlay->setEnabled(!recording && !FRecorder->Recorded().empty());
    BPlay->setText(FRecorder->IsPlaying() ? tr("О&становить") : tr("&Прослушать"));
    BKeep->setEnabled(recording || !FRecorder->Recorded().empty());
}

} // namespace korvan
