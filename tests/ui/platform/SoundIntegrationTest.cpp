// The real sound path: the drill engine with the real sound service plays to
// a private sound server (a null sink as the speakers, and a microphone fed
// from the monitor of a second null sink, where the test plays what the pupil
// "says": a null sink mixes a sound that joins another only after its
// buffer, so the pupil's voice must not share the speakers). What came out is captured from the
// monitor with parec and cut into frequency bands with sox; each band's sounds are checked for
// order and length against the files played. The start of the sentence sound after the question is
// presented, and of the translation after the key press, is measured from the moment each captured
// block arrived (an upper bound).
//
// Skipped only when the sound server cannot be started at all.

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "PrivateSoundServer.h"
#include "drill/AnswerAudio.h"
#include "drill/Drill.h"
#include "drill/Random.h"
#include "timing/TimeCalculator.h"
#include "ui/platform/SoundModuleLoader.h"
#include "ui/platform/SoundService.h"
#include "ui/platform/UiHelpers.h"
#include "util/Log.h"
#include "util/Text.h"

using namespace korvan;
using namespace korvan::test;

namespace {

const QString Shipped = QStringLiteral(KORVAN_SHIPPED_DATA "/program/");
constexpr int Rate = 16000;    // of the capture, Hz
constexpr int FrameMs = 10;    // of the envelope
constexpr double Floor = 0.02; // of full scale: below it a band is silent

// The test's tones, each in a band of its own, apart from the chimes' notes
// (587..880 Hz and their octaves).
struct TBand
{
    const char* Name;
    int Low, High; // Hz
};
const TBand RussianBand{"russian", 200, 400};   // 001R.WAV: 300 Hz
const TBand SignalBand{"chimes", 550, 950};     // StartRec.WAV, TimeIsUp.WAV
const TBand EnglishBand{"english", 2300, 2700}; // 001E.WAV: 2500 Hz
const TBand AnswerBand{"answer", 3300, 3700};   // fed to the microphone: 3500 Hz
const TBand VoiceBand{"voice", 100, 500};       // the synthesizer's voice, below the chimes

struct TSegment
{
    int StartMs;
    int LengthMs;
};

// Raw 16 kHz mono 16-bit samples of `source` (a WAV file, or raw samples when
// `raw`) passed through a band filter, by sox.
std::vector<std::int16_t> BandOf(const QString& source, bool raw, const TBand& band)
{
    QStringList args;
    if (raw)
        args << "-t"
             << "raw"
             << "-r" << QString::number(Rate) << "-e"
             << "signed"
             << "-b"
             << "16"
             << "-c"
             << "1";
    args << source << "-t"
         << "raw"
         << "-r" << QString::number(Rate) << "-e"
         << "signed"
         << "-b"
         << "16"
         << "-c"
         << "1"
         << "-"
         << "sinc" << QStringLiteral("%1-%2").arg(band.Low).arg(band.High);
    QByteArray out;
    if (!Run(QStringLiteral("sox"), args, &out))
        return {};
    std::vector<std::int16_t> samples(static_cast<std::size_t>(out.size()) / 2);
    std::memcpy(samples.data(), out.constData(), samples.size() * 2);
    return samples;
}

// Where the band sounds: runs of loud 10 ms frames, gaps under 60 ms bridged
// (the chimes' notes fade into each other), runs under 30 ms dropped.
std::vector<TSegment> Segments(const std::vector<std::int16_t>& samples)
{
    const int frame = Rate * FrameMs / 1000;
    std::vector<bool> loud;
    for (std::size_t at = 0; at + frame <= samples.size(); at += frame) {
        double sum = 0;
        for (int i = 0; i < frame; ++i)
            sum += double(samples[at + i]) * samples[at + i];
        loud.push_back(std::sqrt(sum / frame) / 32768.0 > Floor);
    }
    std::vector<TSegment> segments;
    for (std::size_t i = 0; i < loud.size(); ++i) {
        if (!loud[i])
            continue;
        const int start = int(i) * FrameMs;
        if (!segments.empty() &&
            start - (segments.back().StartMs + segments.back().LengthMs) < 60) {
            segments.back().LengthMs = start + FrameMs - segments.back().StartMs;
        } else {
            segments.push_back({start, FrameMs});
        }
    }
    std::erase_if(segments, [](const TSegment& s) { return s.LengthMs < 30; });
    return segments;
}

QString Describe(const std::vector<TSegment>& segments)
{
    QStringList parts;
    for (const TSegment& s : segments)
        parts << QStringLiteral("%1+%2").arg(s.StartMs).arg(s.LengthMs);
    return parts.join(QLatin1Char(' '));
}

// What the engine asks of the window, kept to what the test looks at.
class TView : public IDrillView
{
public:
    void ShowInPane(TPane pane, const TShownText& shown) override
    {
        const std::string text = RussianCp1251(shown);
        Panes[int(pane)] = text;
        if (Clock != nullptr && !text.empty() && ShownAt[int(pane)] < 0)
            ShownAt[int(pane)] = Clock->elapsed();
    }
    void SetGaugeMax(int) override {}
    void SetGaugePosition(int) override {}
    void SetCounterLabel(TCounterLabel, const TPhrase&) override {}
    void SetKeyCaption(TKeyCaption, const std::string&) override {}
    void Announce(const TShownText&) override {}
    void LayoutPanes() override {}
    void ApplyAppearance() override {}
    void RepaintProgress() override {}
    void FocusInput() override {}
    void CloseWindow() override {}
    void UpdateCaption() override {}
    void AddRecentLesson(const std::string&) override {}
    void OfferMistakesSave(const TBehaviorCfg&) override {}
    void DeliverUnhandledKey(TDrillKey) override {}
    TAppearanceFlags Appearance() const override { return {}; }
    std::string Panes[7];
    // When each pane first got a text, on `Clock`.
    const QElapsedTimer* Clock = nullptr;
    qint64 ShownAt[7] = {-1, -1, -1, -1, -1, -1, -1};
};

class TTimers : public IQuestionTimers
{
public:
    TTimers()
    {
        M1AndM2.setInterval(1000);
        M3Pause.setInterval(500);
    }
    void Enable(TQuestionTimer t) override
    {
        (t == TQuestionTimer::M1AndM2 ? M1AndM2 : M3Pause).start();
    }
    void Disable(TQuestionTimer t) override
    {
        (t == TQuestionTimer::M1AndM2 ? M1AndM2 : M3Pause).stop();
    }
    QTimer M1AndM2;
    QTimer M3Pause;
};

class TBehavior : public IBehaviorSource
{
public:
    int CurrentMode() const override { return 0; }
    TBehaviorCfg CurrentCfg() const override { return Cfg; }
    std::string ModeName(int) const override { return "test"; }
    TBehaviorCfg Cfg;
};

class TMessages : public IMessageBox
{
public:
    TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons) override
    {
        Shown << QString::fromStdString(Render(text, RussianSource));
        return TMsgResult::Ok;
    }
    QStringList Shown;
};

} // namespace

class SoundIntegrationTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir Temp;
    TPulseServer Pulse;
    QString ProgramDir;
    QString LessonPath;

    // Everything one drill needs, made afresh for each test.
    struct TRig
    {
        explicit TRig(const QString& program, const TBehaviorCfg& cfg)
            : Log(Clock), Calculator(program.toStdString() + "Time.ini")
        {
            Behavior.Cfg = cfg;
            auto* repeatRu = new QPushButton(&Window);
            auto* repeatEn = new QPushButton(&Window);
            auto* rec = new QPushButton(&Window);
            auto* label = new QLabel(rec);
            auto* box = new QWidget(&Window);
            box->setGeometry(420, 312, 145, 100);
            auto* separator = new QWidget(&Window);
            separator->setGeometry(420, 448, 145, 1);
            for (QPushButton* b : {repeatRu, repeatEn, rec})
                b->resize(145, 25);
            RecButton = rec;
            Sound = std::make_unique<TSoundService>(
                &Window, Lesson, TSoundWidgets{repeatRu, repeatEn, rec, label, box, separator},
                program.toStdString());
            Log.Open(program.toStdString() + "Log.txt");
            Drill = std::make_unique<TDrill>(
                Lesson, Calculator,
                TDrillPorts{View, *Sound, Timers, Random, Clock, Messages, Log, Behavior});
            QObject::connect(&Timers.M1AndM2, &QTimer::timeout,
                             [this] { Drill->TimerM1AndM2Tick(); });
            QObject::connect(&Timers.M3Pause, &QTimer::timeout,
                             [this] { Drill->TimerM3PauseTick(); });
            Sound->Connect(
                TSoundHooks{[this] { return Drill->Phase(); },
                            [this](bool played) { Drill->WaitedSoundEnded(played); },
                            [this](std::function<void()> a) { Drill->Defer(std::move(a)); }});
        }

        TSystemClock Clock;
        TLogWriter Log;
        TTimeCalculator Calculator;
        TLesson Lesson;
        QWidget Window;
        QAbstractButton* RecButton = nullptr;
        TView View;
        TTimers Timers;
        TStdRandom Random{7};
        TMessages Messages;
        TBehavior Behavior;
        std::unique_ptr<TSoundService> Sound;
        std::unique_ptr<TDrill> Drill;
    };

    QString Tone(const QString& name, double seconds, int hz)
    {
        const QString path = Temp.filePath(name);
        // Faded out: an abrupt end clicks in every band (and a slow start would
        // make the measured start late).
        if (!Run(QStringLiteral("sox"), {"-n", "-r", "16000", "-c", "1", "-b", "16", path, "synth",
                                         QString::number(seconds), "sine", QString::number(hz),
                                         "gain", "-3", "fade", "0.005", "0", "0.05"}))
            return {};
        return path;
    }

    // Of 16-bit samples, as a fraction of full scale.
    static double RecordedRms(const std::string& pcm)
    {
        double sum = 0;
        const std::size_t n = pcm.size() / 2;
        for (std::size_t i = 0; i < n; ++i) {
            std::int16_t v;
            std::memcpy(&v, pcm.data() + 2 * i, 2);
            sum += double(v) * v;
        }
        return n == 0 ? 0 : std::sqrt(sum / n) / 32768.0;
    }

    // The length of what sounds in a band of a file, by the same measure as the capture.
    int FileLength(const QString& path, const TBand& band)
    {
        const std::vector<TSegment> s = Segments(BandOf(path, false, band));
        return s.empty() ? -1 : s.back().StartMs + s.back().LengthMs - s.front().StartMs;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Temp.isValid());
        const QString server = Temp.filePath(QStringLiteral("pulse"));
        QVERIFY(QDir().mkpath(server));
        QFile::setPermissions(server, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        if (!Pulse.Start(server))
            QSKIP("the sound server cannot be started here");

        // A program folder with the shipped chimes, buffer and time table, and
        // a one-question words lesson (no lead-in) with a tone for each side.
        ProgramDir = Temp.filePath(QStringLiteral("program/"));
        QVERIFY(QDir().mkpath(ProgramDir + "lessons/one"));
        for (const char* name : {"StartRec.WAV", "TimeIsUp.WAV", "Buffer.WAV", "Time.ini"})
            QVERIFY(QFile::copy(Shipped + name, ProgramDir + name));
        LessonPath = ProgramDir + "lessons/one/one.sl2";
        QFile lesson(LessonPath);
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.write("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=One\r\nWords\r\n"
                     "HasRuAudio\r\nHasEnAudio\r\n<body>\r\n1\r\n['{pl]\r\n"
                     "\xFF\xE1\xEB\xEE\xEA\xEE\r\napple\r\n");
        lesson.close();
        QVERIFY(!Tone("program/lessons/one/001R.WAV", 0.8, 300).isEmpty());
        QVERIFY(!Tone("program/lessons/one/001E.WAV", 0.6, 2500).isEmpty());
    }

    // Time runs out: sentence, start signal, time-up signal, translation, in
    // this order and each as long as its file.
    void timeUpQuestionPlaysEverythingInOrder()
    {
        TBehaviorCfg cfg;
        cfg.Speed = 0; // the shortest budget the norm allows
        TRig rig(ProgramDir, cfg);
        rig.Drill->OpenLesson(LessonPath.toStdString());
        QVERIFY(rig.Lesson.Loaded);

        QElapsedTimer clock;
        clock.start();
        TCapture capture(clock);
        QVERIFY(capture.Start());
        QTRY_VERIFY_WITH_TIMEOUT(capture.CapturedMs() > 300, 10000); // the capture runs
        const qint64 presented = clock.elapsed();
        rig.Drill->StartLesson();
        QTRY_VERIFY_WITH_TIMEOUT(
            rig.Drill->Phase() == TPhase::Revealed || rig.Drill->Phase() == TPhase::Judging, 15000);
        QVERIFY(rig.Drill->ThinkLeft() <= 0);
        QTest::qWait(1200); // the translation plays out
        capture.Stop();
        QVERIFY2(rig.Messages.Shown.isEmpty(), qPrintable(rig.Messages.Shown.join("; ")));

        const QString raw = capture.Save(Temp.filePath("timeup.raw"));
        const auto ru = Segments(BandOf(raw, true, RussianBand));
        const auto chimes = Segments(BandOf(raw, true, SignalBand));
        const auto en = Segments(BandOf(raw, true, EnglishBand));
        qInfo("russian %s | signals %s | english %s", qPrintable(Describe(ru)),
              qPrintable(Describe(chimes)), qPrintable(Describe(en)));
        QCOMPARE(ru.size(), std::size_t(1));
        QCOMPARE(chimes.size(), std::size_t(2));
        QCOMPARE(en.size(), std::size_t(1));

        // Each as long as its file (within three envelope frames).
        const QString lessonDir = ProgramDir + "lessons/one/";
        QVERIFY(std::abs(ru[0].LengthMs - FileLength(lessonDir + "001R.WAV", RussianBand)) <= 30);
        QVERIFY(std::abs(chimes[0].LengthMs -
                         FileLength(ProgramDir + "StartRec.WAV", SignalBand)) <= 30);
        QVERIFY(std::abs(chimes[1].LengthMs -
                         FileLength(ProgramDir + "TimeIsUp.WAV", SignalBand)) <= 30);
        QVERIFY(std::abs(en[0].LengthMs - FileLength(lessonDir + "001E.WAV", EnglishBand)) <= 30);

        // In order, none starting before the one it waits for has ended.
        const auto end = [](const TSegment& s) { return s.StartMs + s.LengthMs; };
        QVERIFY(chimes[0].StartMs >= end(ru[0]) - FrameMs);
        QVERIFY(chimes[1].StartMs >= end(chimes[0]) + 500); // the think time lies between
        QVERIFY(en[0].StartMs >= end(chimes[1]) - FrameMs);

        const qint64 latency = capture.ArrivalOf(ru[0].StartMs) - presented;
        qInfo("sentence sound heard %lld ms after the question was presented", latency);
        QVERIFY(latency >= 0);
        QVERIFY2(latency < 100, qPrintable(QString::number(latency)));
    }

    // The pupil answers into the microphone while a known tone plays into it,
    // reveals with F5 and plays the answer back: it lasts the recorded length.
    void answerPlaysBackTheRecordedLength()
    {
        TBehaviorCfg cfg;
        cfg.UseTime = false;
        TRig rig(ProgramDir, cfg);
        rig.Drill->OpenLesson(LessonPath.toStdString());
        const QString tone = Tone("answer.wav", 3.5, 3500);
        QVERIFY(!tone.isEmpty());

        QElapsedTimer clock;
        clock.start();
        TCapture capture(clock);
        QVERIFY(capture.Start());
        QTRY_VERIFY_WITH_TIMEOUT(capture.CapturedMs() > 300, 10000);
        QProcess paplay;
        paplay.start(QStringLiteral("paplay"), {"-d", "korvan_feed", "--latency-msec=20", tone});
        QVERIFY(paplay.waitForStarted(5000));
        QTest::qWait(500);
        rig.Drill->StartLesson();
        QTRY_VERIFY_WITH_TIMEOUT(rig.Sound->Recorder().IsRecording(), 10000);
        QTest::qWait(1500);
        const qint64 pressed = clock.elapsed();
        QVERIFY(rig.Drill->FormKeyDown(TDrillKey::F5));
        QCOMPARE(rig.Drill->Phase(), TPhase::Revealed);
        const std::int64_t recorded =
            RecordedLengthMs(rig.Sound->SoundLogic().RecStart(), rig.Sound->SoundLogic().RecStop());
        QVERIFY(recorded >= 1400 && recorded <= 1700);
        QTRY_COMPARE_WITH_TIMEOUT(paplay.state(), QProcess::NotRunning, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.Drill->Phase(), TPhase::Judging, 5000);
        QVERIFY2(paplay.exitCode() == 0, paplay.readAllStandardError().constData());
        // The microphone heard the pupil: the recording holds the tone.
        QVERIFY(RecordedRms(rig.Sound->Recorder().Recorded()) > 0.25);
        QTest::qWait(300);

        rig.RecButton->click();
        QVERIFY(rig.RecButton->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.Sound->Recorder().IsPlaying(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.RecButton->isChecked(), 1000); // released by itself
        QTest::qWait(300);
        capture.Stop();

        const QString raw = capture.Save(Temp.filePath("answer.raw"));
        const auto answer = Segments(BandOf(raw, true, AnswerBand));
        const auto en = Segments(BandOf(raw, true, EnglishBand));
        qInfo("answer band %s | english %s | recorded %lld ms", qPrintable(Describe(answer)),
              qPrintable(Describe(en)), static_cast<long long>(recorded));
        // Only the answer played back: the pupil's voice went to the microphone alone.
        QCOMPARE(answer.size(), std::size_t(1));
        const int played = answer[0].LengthMs;
        // The device starts recording a little after RecStart; what it missed
        // is played as silence at the end, so the tone is at most that much shorter.
        QVERIFY2(played <= recorded + 20 && played >= recorded - 120,
                 qPrintable(QStringLiteral("played %1 of %2").arg(played).arg(recorded)));

        QCOMPARE(en.size(), std::size_t(1));
        const qint64 latency = capture.ArrivalOf(en[0].StartMs) - pressed;
        qInfo("translation sound heard %lld ms after the key press", latency);
        QVERIFY(latency >= 0);
        QVERIFY2(latency < 100, qPrintable(QString::number(latency)));
    }

    // An MP3 beside a lesson stands in for a missing WAV; the waited end comes
    // once it has played.
    void mp3StandInPlaysToItsEnd()
    {
        const QString folder = Temp.filePath("mp3/");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(QStringLiteral(KORVAN_TEST_DATA "/sound/tone2500.mp3"),
                            folder + "001e.mp3"));
        TLesson lesson;
        lesson.FileName = (folder + "a.sl2").toStdString();
        lesson.Questions.resize(1);
        lesson.Questions[0].Number = 1;
        lesson.Current = &lesson.Questions[0];
        QWidget window;
        auto* box = new QWidget(&window);
        TSoundService sound(&window, lesson,
                            TSoundWidgets{new QPushButton(&window), new QPushButton(&window),
                                          new QPushButton(&window), new QLabel(&window), box,
                                          new QWidget(&window)},
                            ProgramDir.toStdString());
        QElapsedTimer clock;
        clock.start();
        qint64 endedAt = -1;
        bool playedToEnd = false;
        sound.Connect(TSoundHooks{[] { return TPhase::Thinking; },
                                  [&](bool played) {
                                      endedAt = clock.elapsed();
                                      playedToEnd = played;
                                  },
                                  {}});
        TCapture capture(clock);
        QVERIFY(capture.Start());
        QTRY_VERIFY_WITH_TIMEOUT(capture.CapturedMs() > 300, 10000);
        const qint64 started = clock.elapsed();
        SetNextAnswer(true);
        QVERIFY(sound.PlaySound(TSoundKind::English, true));
        QTRY_VERIFY_WITH_TIMEOUT(endedAt >= 0, 10000);
        QVERIFY(playedToEnd);
        QVERIFY(TakeShownMessages().isEmpty());
        QTest::qWait(300);
        capture.Stop();

        const auto en = Segments(BandOf(capture.Save(Temp.filePath("mp3.raw")), true, EnglishBand));
        qInfo("mp3: english %s, heard %lld ms after the call, end told %lld ms after it",
              qPrintable(Describe(en)), capture.ArrivalOf(en.empty() ? 0 : en[0].StartMs) - started,
              endedAt - started);
        QCOMPARE(en.size(), std::size_t(1));
        QVERIFY(std::abs(en[0].LengthMs - 600) <= 60);
        QVERIFY(endedAt - started >= 600);
    }

    // A lesson without recordings, drilled with speech: the sentence is heard,
    // as long as the synthesizer makes it, before its text shows.
    void spokenSentenceIsHeardBeforeItsText()
    {
        const QString folder = ProgramDir + "lessons/spoken/";
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "spoken.sl2";
        const std::string russian = ToCp1251("Доброе утро, мама.");
        QFile lesson(path);
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.write(("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Spoken\r\n"
                      "Words\r\n<body>\r\n1\r\n\r\n" +
                      russian + "\r\nGood morning, mother.\r\n")
                         .c_str());
        lesson.close();

        // The same sentence rendered here, to know how long it sounds.
        TSpeech expected = SoundDevices().Speech().Render(russian, TLanguage::Russian);
        QVERIFY(expected.Ok);
        const QString rendered = Temp.filePath("rendered.wav");
        {
            std::ofstream out(rendered.toStdString(), std::ios::binary);
            out << MakeWavHeader(PcmFormat(expected.SampleRate, 1, 16),
                                 static_cast<std::uint32_t>(expected.Pcm.size()))
                << expected.Pcm;
        }
        const auto renderedSegments = Segments(BandOf(rendered, false, VoiceBand));
        QVERIFY(!renderedSegments.empty());
        const int lead = renderedSegments.front().StartMs;
        const int span = FileLength(rendered, VoiceBand);

        TBehaviorCfg cfg;
        cfg.UseTime = false;
        cfg.UseSpeech = true;
        TRig rig(ProgramDir, cfg);
        QElapsedTimer clock;
        clock.start();
        rig.View.Clock = &clock;
        rig.Drill->OpenLesson(path.toStdString());
        QVERIFY(rig.Lesson.Loaded && !rig.Lesson.HasRuAudio);
        TCapture capture(clock);
        QVERIFY(capture.Start());
        QTRY_VERIFY_WITH_TIMEOUT(capture.CapturedMs() > 300, 10000);
        const qint64 presented = clock.elapsed();
        rig.Drill->StartLesson();
        QTRY_COMPARE_WITH_TIMEOUT(rig.Drill->Phase(), TPhase::Thinking, 15000);
        QTest::qWait(300);
        capture.Stop();
        QVERIFY2(rig.Messages.Shown.isEmpty(), qPrintable(rig.Messages.Shown.join("; ")));
        const qint64 shown = rig.View.ShownAt[int(TPane::M2)];
        QCOMPARE(rig.View.Panes[int(TPane::M2)], russian);

        // What sounded before the text showed (the start signal follows it).
        std::vector<TSegment> voice;
        for (const TSegment& s :
             Segments(BandOf(capture.Save(Temp.filePath("spoken.raw")), true, VoiceBand)))
            if (capture.ArrivalOf(s.StartMs) <= shown)
                voice.push_back(s);
        qInfo("voice %s, text shown %lld ms after the start; rendered span %d ms, lead %d ms",
              qPrintable(Describe(voice)), shown - presented, span, lead);
        QVERIFY(!voice.empty());
        const int heard = voice.back().StartMs + voice.back().LengthMs - voice.front().StartMs;
        QVERIFY2(std::abs(heard - span) <= 60,
                 qPrintable(QStringLiteral("heard %1 of %2").arg(heard).arg(span)));
        // Heard to its end before the text: the text comes no earlier than the
        // last of it, give or take the capture's own delay.
        QVERIFY(capture.ArrivalOf(voice.back().StartMs + voice.back().LengthMs) <= shown + 60);
        const qint64 latency = capture.ArrivalOf(voice.front().StartMs) - presented - lead;
        qInfo("spoken sentence heard %lld ms after the question was presented", latency);
        QVERIFY2(latency < 100, qPrintable(QString::number(latency)));
    }

    void cleanupTestCase() { Pulse.Stop(); }
};

QTEST_MAIN(SoundIntegrationTest)
#include "SoundIntegrationTest.moc"
