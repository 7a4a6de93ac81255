#pragma once

// A temporary program folder for the main window's tests: the shipped Time.ini,
// Modes.ini and phonetic font, small lessons written here, settings files as
// each test wants them. Also the answers to the modal dialogs the window opens.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/App.h"
#include "ui/drill/MainWindow.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

namespace korvan {

struct TTestQuestion
{
    const char* Comment;
    const char* RText;
    const char* EText;
};

// Rejects a modal dialog that nobody answered for 5 s, so a test that forgot
// one fails instead of hanging; remembers the dialogs it had to close.
class TModalWatchdog
{
public:
    TModalWatchdog()
    {
        Timer.setInterval(100);
        QObject::connect(&Timer, &QTimer::timeout, [this] { Check(); });
        Timer.start();
    }
    const QStringList& Rejected() const { return FRejected; }

private:
    void Check()
    {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal != Seen) {
            Seen = modal;
            Since.start();
        } else if (modal && Since.hasExpired(5000)) {
            qWarning("unanswered dialog %s", qPrintable(modal->objectName()));
            FRejected << modal->objectName();
            modal->reject();
        }
    }

    QTimer Timer;
    QPointer<QDialog> Seen;
    QElapsedTimer Since;
    QStringList FRejected;
};

// Answers the next modal dialog named `name` once it is up (inside its own
// event loop) by running `actions` on it. The answer goes with the object, so
// it can never reach a dialog of a later test.
class TDialogAnswer
{
public:
    TDialogAnswer(const char* name, std::function<void(QWidget&)> actions)
        : Name(QString::fromLatin1(name)), Actions(std::move(actions))
    {
        Timer.setInterval(5);
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != Name)
                return;
            Timer.stop();
            FAnswered = true;
            Actions(*modal);
        });
        Timer.start();
    }
    bool Answered() const { return FAnswered; }

private:
    QString Name;
    std::function<void(QWidget&)> Actions;
    QTimer Timer;
    bool FAnswered = false;
};

template <typename W> W* FindIn(QWidget& parent, const char* name)
{
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr)
        qFatal("no control %s", name);
    return w;
}

class TTestFolder
{
public:
    TTestFolder()
    {
        Root = Dir.path().toStdString() + "/";
        SetProgramFolder(Root);
        QDir(Dir.path()).mkpath(QStringLiteral("lessons"));
        QDir(Dir.path()).mkpath(QStringLiteral("fonts"));
        const QString shipped = QStringLiteral(KORVAN_SHIPPED_DATA "/program/");
        for (const char* name : {"Time.ini", "Modes.ini", "fonts/PhoneticTM.ttf"})
            QFile::copy(shipped + QString::fromLatin1(name),
                        Dir.path() + QLatin1Char('/') + QString::fromLatin1(name));
        // Runs in file order, wrong answers come back once, no countdown.
        WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nMistakeChange=0\r\n"
                                "SaveDiff=0\r\nCfgMode=1\r\n");
        WriteSkin("");
    }

    std::string Path(const std::string& name) const { return Root + name; }
    // The dialogs the watchdog had to close; a passing test leaves none.
    const QStringList& UnansweredDialogs() const { return Watchdog.Rejected(); }

    // UTF-8 text stored as 1251 bytes, as the program's files are.
    void WriteText(const std::string& name, const std::string& utf8) const
    {
        std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
        out << ToCp1251(utf8);
    }

    // Skin.ini with these lines of section Main; the input-mode prompt is off
    // unless they say otherwise.
    void WriteSkin(const std::string& utf8Lines) const
    {
        const bool ask = utf8Lines.find("AskAtStartupUseTextInput=") != std::string::npos;
        WriteText("Skin.ini",
                  "[Main]\r\n" + utf8Lines + (ask ? "" : "AskAtStartupUseTextInput=0\r\n"));
    }

    std::string ReadText(const std::string& name) const
    {
        QFile file(QString::fromStdString(Path(name)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return Cp1251ToUtf8(file.readAll().toStdString());
    }

    void WriteLesson(const std::string& name, const std::string& title, bool words,
                     const std::vector<TTestQuestion>& questions) const
    {
        std::string text = "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=" + title +
                           "\r\n" + (words ? "Words\r\n" : "") + "<body>\r\n";
        int number = 1;
        for (const TTestQuestion& q : questions)
            text += std::to_string(number++) + "\r\n" + q.Comment + "\r\n" + q.RText + "\r\n" +
                    q.EText + "\r\n";
        WriteText(name, text);
    }

    // Three questions of an ordinary lesson and of a words lesson.
    void WriteSampleLessons() const
    {
        WriteLesson("lessons/short.sl2", "Короткий урок", false,
                    {{"Первая ключевая фраза", "Первое предложение.", "First sentence."},
                     {"Вторая ключевая фраза", "Второе предложение.", "Second sentence."},
                     {"Третья ключевая фраза", "Третье предложение.", "Third sentence."}});
        WriteLesson("lessons/words.sl2", "Слова", true,
                    {{"['{pl]", "яблоко", "apple"},
                     {"[bUk]", "книга", "book"},
                     {"[frend]", "друг", "friend"}});
    }

private:
    QTemporaryDir Dir;
    std::string Root;
    TModalWatchdog Watchdog;
};

// The question timers at test speed: the lead-in and the pause take a few
// milliseconds instead of a second and half a second.
inline void SpeedUpTimers(QWidget& window)
{
    for (const char* name : {"Timer_M1AndM2", "Timer_M3Pause"})
        window.findChild<QTimer*>(QString::fromLatin1(name))->setInterval(5);
}

// The windows started as the program starts them, with these arguments, the
// question timers at test speed and the main window asked to be active (the
// caller waits for it).
inline std::unique_ptr<TAppWindows> StartWindows(std::vector<std::string> arguments)
{
    auto app = std::make_unique<TAppWindows>();
    app->Show(std::move(arguments));
    SpeedUpTimers(app->Main());
    app->Main().activateWindow();
    return app;
}

inline QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace korvan
