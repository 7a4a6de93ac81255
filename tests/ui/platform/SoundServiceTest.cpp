// The sound service on real widgets and the real players, with no sound
// server at all: broken files are refused by our own reader before any device
// is asked, so what they say is the same everywhere; a missing device and a
// missing recording buffer are swallowed or reported as the rules say.

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "sound/SoundDevices.h"
#include "ui/platform/SoundService.h"
#include "ui/platform/UiHelpers.h"
#include "util/WavFile.h"

using namespace korvan;

namespace {

QByteArray Bytes(const std::string& s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

// 0.1 s of 16 kHz mono silence, whole.
std::string GoodWav()
{
    return MakeWavHeader(PcmFormat(16000, 1, 16), 3200) + std::string(3200, '\0');
}

} // namespace

class SoundServiceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir Temp;
    QString Program;
    QString LessonDir;
    TLesson Lesson;
    QWidget Window;
    QPushButton* RepeatRu = nullptr;
    QPushButton* RepeatEn = nullptr;
    QPushButton* RecPlay = nullptr;
    QLabel* RecLabel = nullptr;
    QWidget* Box = nullptr;
    QWidget* Separator = nullptr;
    std::unique_ptr<TSoundService> Sound;
    TPhase Phase = TPhase::Thinking;
    int Ended = 0;

    void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void initTestCase()
    {
        // No sound server: the players find no device.
        qputenv("PULSE_SERVER", "unix:/nonexistent/korvan-test-socket");
        QVERIFY(Temp.isValid());
        Program = Temp.filePath("program/");
        LessonDir = Temp.filePath("lesson/");
        QVERIFY(QDir().mkpath(Program) && QDir().mkpath(LessonDir));
        Lesson.FileName = (LessonDir + "a.sl2").toStdString();
        Lesson.Questions.resize(1);
        Lesson.Questions[0].Number = 5;
        Lesson.Current = &Lesson.Questions[0];

        RepeatRu = new QPushButton(&Window);
        RepeatEn = new QPushButton(&Window);
        RecPlay = new QPushButton(&Window);
        RecLabel = new QLabel(RecPlay);
        Box = new QWidget(&Window);
        Separator = new QWidget(&Window);
        RepeatRu->setGeometry(420, 356, 145, 25);
        RepeatEn->setGeometry(420, 388, 145, 25);
        Box->setGeometry(420, 312, 145, 10);
        Separator->setGeometry(420, 448, 145, 1);
        Sound = std::make_unique<TSoundService>(
            &Window, Lesson, TSoundWidgets{RepeatRu, RepeatEn, RecPlay, RecLabel, Box, Separator},
            Program.toStdString());
        Sound->Connect(TSoundHooks{[this] { return Phase; }, [this](bool) { ++Ended; }, {}});
        TakeShownMessages();
    }

    void brokenSentenceFilesSayWhyOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString wav = QString::fromUtf8("Ошибка при проигрывании WAV файла: \"%1\"");
        QTest::newRow("empty") << QByteArray() << wav.arg(QString::fromUtf8("файл пуст"));
        QTest::newRow("text") << QByteArray("not a sound\r\n")
                              << wav.arg(QString::fromUtf8("файл не в формате WAV"));
        QTest::newRow("truncated")
            << Bytes(GoodWav()).left(30) << wav.arg(QString::fromUtf8("заголовок формата обрезан"));
        std::string adpcm = GoodWav();
        adpcm[20] = 0x11; // IMA ADPCM
        QTest::newRow("unsupported")
            << Bytes(adpcm)
            << wav.arg(QString::fromUtf8("неподдерживаемый формат звука (код 17, 16 бит)"));
        QTest::newRow("mp3_text")
            << QByteArray("ID4 no") // read as 005R.MP3 below
            << QString::fromUtf8("Ошибка при проигрывании MP3 файла: \"файл не в формате MP3\"");
        // A good file reaches the device, and there is none.
        QTest::newRow("no_device")
            << Bytes(GoodWav()) << QString::fromUtf8("Ошибка: \"нет устройства вывода звука\"");
    }

    void brokenSentenceFilesSayWhyOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QDir(LessonDir).removeRecursively();
        QDir().mkpath(LessonDir);
        const bool mp3 = QString::fromLatin1(QTest::currentDataTag()).startsWith("mp3");
        Write(LessonDir + (mp3 ? "005R.MP3" : "005R.WAV"), bytes);
        SetNextAnswer(true);
        QVERIFY(!Sound->PlaySound(TSoundKind::Russian, true));
        QCOMPARE(TakeShownMessages(), QStringList{message});
        QVERIFY(!Sound->IsSoundPlaying());
        QTest::qWait(50);
        QCOMPARE(Ended, 0); // nothing started, nothing ends
    }

    void brokenSignalsStaySilent()
    {
        Write(Program + "StartRec.WAV", "not a sound");
        Write(Program + "TimeIsUp.WAV", Bytes(GoodWav())); // no device either
        QVERIFY(!Sound->PlaySound(TSoundKind::StartRec, true));
        QVERIFY(!Sound->PlaySound(TSoundKind::TimeIsUp, true));
        QVERIFY(TakeShownMessages().isEmpty());
    }

    void repeatButtonsKeepTheirLooks()
    {
        QDir(LessonDir).removeRecursively();
        QVERIFY(RepeatRu->isCheckable() && RecPlay->isCheckable());
        QCOMPARE(RepeatRu->text(), QString::fromUtf8("По русски"));
        QCOMPARE(RepeatEn->text(), QString::fromUtf8("По англ."));
        for (TPhase phase : {TPhase::Idle, TPhase::Thinking}) {
            Phase = phase;
            RepeatRu->click(); // idle: refused; thinking: no file
            QVERIFY(!RepeatRu->isChecked());
            QCOMPARE(RepeatRu->text(), QString::fromUtf8("По русски"));
        }
    }

    // No Buffer.WAV (or no input device): no recording, no message, and the
    // own-answer button comes up again by itself.
    void recordingFailuresAreSwallowed()
    {
        QFile::remove(Program + "Buffer.WAV");
        Sound->StartAnswerRecording();
        QVERIFY(!Sound->Recorder().IsRecording());
        Write(Program + "Buffer.WAV", Bytes(MakeWavHeader(PcmFormat(16000, 1, 16), 0)));
        Sound->StartAnswerRecording(); // no input device here
        QVERIFY(!Sound->Recorder().IsRecording());
        Sound->StopAnswerRecording();

        Phase = TPhase::Revealed;
        RecPlay->click();
        QVERIFY(RecPlay->isChecked());
        QVERIFY(!RecLabel->isVisibleTo(RecPlay));
        QCOMPARE(RecPlay->text(), QString::fromUtf8("Остановить"));
        QTRY_VERIFY_WITH_TIMEOUT(!RecPlay->isChecked(), 1000); // the 200 ms timer
        QVERIFY(RecLabel->isVisibleTo(RecPlay));
        QCOMPARE(RecPlay->text(), QString());
        QVERIFY(TakeShownMessages().isEmpty());

        Phase = TPhase::Thinking;
        RecPlay->click();
        QVERIFY(!RecPlay->isChecked());
    }

    void placementFollowsTheRunAndTheLesson()
    {
        Lesson.RunState = 1;
        Lesson.HasRuAudio = true;
        Lesson.HasEnAudio = false;
        Sound->PlaceSoundButtons();
        QVERIFY(RepeatRu->isVisibleTo(&Window));
        QVERIFY(!RepeatEn->isVisibleTo(&Window));
        QCOMPARE(RepeatRu->y(), 448 - 20 - 25);
        QCOMPARE(Box->height(), 448 - 20 - 25 - 8 - 312);
        Lesson.RunState = 2;
        Sound->PlaceSoundButtons();
        QVERIFY(!RepeatRu->isVisibleTo(&Window));
        QCOMPARE(Box->height(), 448 - 20 - 312);
    }
};

QTEST_MAIN(SoundServiceTest)
#include "SoundServiceTest.moc"
