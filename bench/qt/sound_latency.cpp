// How soon a sentence sound is heard after the drill plays it, per kind (a WAV,
// an MP3, a synthesized sentence, a repeat of a WAV), on the private sound
// server of the sound tests: from the call to the arrival of the first
// audible sample at the speakers' monitor (an upper bound: the capture's own
// delay is included), less the sound's own leading silence. The machine's
// floor in the same run: a bare QAudioSink started with the same WAV's samples.
//
//   QT_QPA_PLATFORM=offscreen build/bench/qt/sound_latency [RUNS]

#include <QApplication>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "PrivateSoundServer.h"
#include "ui/platform/SoundModuleLoader.h"
#include "ui/platform/SoundService.h"
#include "util/Mp3File.h"
#include "util/Text.h"

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr double Audible = 0.02; // of full scale

// Milliseconds of 16-bit samples before the first audible one.
double LeadMs(const std::string& pcm, std::uint32_t rate, int channels)
{
    const std::size_t n = pcm.size() / 2;
    for (std::size_t i = 0; i < n; ++i) {
        std::int16_t v;
        std::memcpy(&v, pcm.data() + 2 * i, 2);
        if (std::abs(v) > Audible * 32768)
            return double(i / channels) * 1000 / rate;
    }
    return 0;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty()      ? -1
           : v.size() % 2 ? v[v.size() / 2]
                          : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The arrival, on `clock`, of the first audible captured sample at or after
// sample `from`; -1 when none came within 3 s.
qint64 HeardAfter(const TCapture& capture, qint64 from)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QTest::qWait(2);
        const QByteArray& data = capture.Bytes();
        for (qint64 i = from; i < data.size() / 2; ++i) {
            std::int16_t v;
            std::memcpy(&v, data.constData() + 2 * i, 2);
            if (std::abs(v) > Audible * 32768)
                return capture.ArrivalOf(int(i * 1000 / CaptureRate));
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir temp;
    const QString server = temp.filePath("pulse");
    QDir().mkpath(server);
    QFile::setPermissions(server,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    TPulseServer pulse;
    if (!pulse.Start(server)) {
        std::fprintf(stderr, "the sound server cannot be started\n");
        return 1;
    }

    // Question 1 has a WAV, 2 an MP3, 3 nothing (spoken).
    const QString folder = temp.filePath("lesson/");
    QDir().mkpath(folder);
    if (!Run("sox", {"-n", "-r", "22050", "-c", "1", "-b", "16", folder + "001R.WAV", "synth",
                     "0.5", "sine", "300", "gain", "-3"}) ||
        !QFile::copy(KORVAN_TEST_DATA "/sound/tone2500.mp3", folder + "002R.MP3")) {
        std::fprintf(stderr, "the test sounds cannot be made (sox?)\n");
        return 1;
    }
    TLesson lesson;
    lesson.FileName = (folder + "a.sl2").toStdString();
    lesson.Questions.resize(3);
    for (int i = 0; i < 3; ++i) {
        lesson.Questions[i].Number = i + 1;
        lesson.Questions[i].RText = ToCp1251("Доброе утро.");
    }
    QWidget window;
    TSoundService sound(&window, lesson,
                        TSoundWidgets{new QPushButton(&window), new QPushButton(&window),
                                      new QPushButton(&window), new QLabel(&window),
                                      new QWidget(&window), new QWidget(&window)},
                        temp.filePath("program/").toStdString());
    sound.Connect(TSoundHooks{[] { return TPhase::Thinking; }, [](bool) {}, {}});
    sound.SetSpeech(true);
    // Shown and painted, as the trainer's window is before its first question:
    // the service sets up what may wait then.
    window.show();

    // The sounds' own leading silence.
    std::string wavBytes;
    const TWavParse wav = ReadWavFile((folder + "001R.WAV").toStdString(), &wavBytes);
    const std::string wavPcm = wavBytes.substr(wav.Info.DataOffset, wav.Info.DataBytes);
    const TDecodedSound mp3 = DecodeMp3File((folder + "002R.MP3").toStdString());
    const TSpeech spoken =
        SoundDevices().Speech().Render(lesson.Questions[2].RText, TLanguage::Russian);
    const double wavLead = LeadMs(wavPcm, wav.Info.Format.SampleRate, 1);

    QElapsedTimer clock;
    clock.start();
    TCapture capture(clock);
    capture.Start();
    for (int i = 0; i < 500 && capture.CapturedMs() < 300; ++i)
        QTest::qWait(20); // the capture runs

    // The floor: a bare sink, made afresh each time as the player makes its own.
    QByteArray floorPcm(wavPcm.data(), qsizetype(wavPcm.size()));
    QBuffer floorBuffer(&floorPcm);
    std::unique_ptr<QAudioSink> floorSink;
    QAudioFormat floorFormat;
    floorFormat.setSampleRate(22050);
    floorFormat.setChannelCount(1);
    floorFormat.setSampleFormat(QAudioFormat::Int16);

    struct TKind
    {
        const char* Name;
        double Lead;
        std::function<void()> Start;
        std::function<void()> Stop;
    };
    const auto play = [&](int question, TSoundKind kind) {
        return [&, question, kind] {
            lesson.Current = &lesson.Questions[question];
            sound.PlaySound(kind, false);
        };
    };
    const auto stop = [&] { sound.StopSound(); };
    const TKind kinds[] = {
        {"wav", wavLead, play(0, TSoundKind::Russian), stop},
        {"mp3", LeadMs(mp3.Pcm, mp3.Format.SampleRate, mp3.Format.Channels),
         play(1, TSoundKind::Russian), stop},
        {"synthesized", LeadMs(spoken.Pcm, spoken.SampleRate, 1), play(2, TSoundKind::Russian),
         stop},
        {"repeat", wavLead,
         [&] {
             lesson.Current = &lesson.Questions[0];
             sound.SoundLogic().BRepeatRuSoundClick();
         },
         stop},
        {"floor (bare QAudioSink)", wavLead,
         [&] {
             floorSink =
                 std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), floorFormat);
             floorBuffer.close();
             floorBuffer.open(QIODevice::ReadOnly);
             floorSink->start(&floorBuffer);
         },
         [&] {
             if (floorSink)
                 floorSink->stop();
         }},
    };
    std::printf("sound start latency, median of %d, first audible sample less the sound's own "
                "lead (machine shared and loaded):\n",
                runs);
    for (const TKind& kind : kinds) {
        std::vector<double> latencies;
        for (int i = 0; i < runs; ++i) {
            const qint64 from = capture.Bytes().size() / 2;
            const qint64 t0 = clock.elapsed();
            kind.Start();
            const qint64 heard = HeardAfter(capture, from);
            kind.Stop();
            if (heard >= 0)
                latencies.push_back(double(heard - t0) - kind.Lead);
            QTest::qWait(250); // silence between
        }
        std::printf("  %-24s %6.1f ms (lead %.0f ms; %zu of %d heard; min %.1f, max %.1f)\n",
                    kind.Name, Median(latencies), kind.Lead, latencies.size(), runs,
                    latencies.empty() ? -1 : *std::min_element(latencies.begin(), latencies.end()),
                    latencies.empty() ? -1 : *std::max_element(latencies.begin(), latencies.end()));
    }
    capture.Stop();
    floorSink.reset();
    pulse.Stop();
    return 0;
}
