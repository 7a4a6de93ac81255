#pragma once

// A private sound server for tests and benchmarks: a PulseAudio daemon of its
// own on a socket in a temporary folder, with a null sink as the speakers
// (korvan_out) and a microphone (korvan_mic) fed from the monitor of a second
// null sink (korvan_feed). TCapture records what the speakers play, noting
// when each block arrived.

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QThread>

#include <utility>
#include <vector>

namespace korvan::test {

constexpr int CaptureRate = 16000; // Hz, mono, 16-bit

inline bool Run(const QString& program, const QStringList& args, QByteArray* out = nullptr,
                int timeoutMs = 10000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(timeoutMs) || !p.waitForFinished(timeoutMs))
        return false;
    if (out != nullptr)
        *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The private sound server.
class TPulseServer
{
public:
    bool Start(const QString& dir)
    {
        Dir = dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", dir);
        env.insert("XDG_RUNTIME_DIR", dir);
        env.insert("XDG_CONFIG_HOME", dir);
        Server.setProcessEnvironment(env);
        Server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Server.start(QStringLiteral("pulseaudio"),
                     {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                      "--use-pid-file=no", "--log-level=error", "-L",
                      "module-native-protocol-unix socket=" + dir + "/native auth-anonymous=1",
                      "-L", "module-null-sink sink_name=korvan_out rate=48000", "-L",
                      "module-null-sink sink_name=korvan_feed rate=48000", "-L",
                      "module-remap-source master=korvan_feed.monitor source_name=korvan_mic"});
        if (!Server.waitForStarted(5000))
            return false;
        qputenv("PULSE_SERVER", ("unix:" + dir + "/native").toUtf8());
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            if (Server.state() != QProcess::Running)
                return false;
            if (Run(QStringLiteral("pactl"), {"info"}, nullptr, 2000))
                return Run(QStringLiteral("pactl"), {"set-default-sink", "korvan_out"}) &&
                       Run(QStringLiteral("pactl"), {"set-default-source", "korvan_mic"});
            QThread::msleep(100);
        }
        return false;
    }
    void Stop()
    {
        if (Server.state() == QProcess::NotRunning)
            return;
        Server.terminate();
        if (!Server.waitForFinished(3000)) {
            Server.kill();
            Server.waitForFinished(3000);
        }
    }
    ~TPulseServer() { Stop(); }

private:
    QString Dir;
    QProcess Server;
};

// parec on the sink's monitor; each block is noted with the time it arrived.
class TCapture : public QObject
{
public:
    explicit TCapture(const QElapsedTimer& clock) : Clock(clock)
    {
        connect(&Parec, &QProcess::readyReadStandardOutput, this, [this] {
            const QByteArray block = Parec.readAllStandardOutput();
            Data += block;
            Arrivals.push_back({Data.size() / 2, Clock.elapsed()});
        });
    }
    bool Start()
    {
        Parec.start(QStringLiteral("parec"), {"-d", "korvan_out.monitor", "--format=s16le",
                                              "--rate=16000", "--channels=1", "--latency-msec=10"});
        return Parec.waitForStarted(5000);
    }
    // The samples so far.
    const QByteArray& Bytes() const { return Data; }
    // Milliseconds of sound captured so far.
    qint64 CapturedMs() const { return Data.size() / 2 * 1000 / CaptureRate; }
    void Stop()
    {
        Parec.terminate();
        Parec.waitForFinished(3000);
    }
    ~TCapture() override
    {
        if (Parec.state() != QProcess::NotRunning) {
            Parec.kill();
            Parec.waitForFinished(3000);
        }
    }
    // When the sample at `ms` into the capture had arrived, on the test's clock.
    qint64 ArrivalOf(int ms) const
    {
        const qint64 sample = qint64(ms) * CaptureRate / 1000;
        for (const auto& a : Arrivals)
            if (a.first > sample)
                return a.second;
        return -1;
    }
    QString Save(const QString& path) const
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(Data);
        return path;
    }

private:
    const QElapsedTimer& Clock;
    QProcess Parec;
    QByteArray Data;
    std::vector<std::pair<qint64, qint64>> Arrivals; // samples so far, ms
};

} // namespace korvan::test
