#pragma once

// A temporary program folder for the main window's tests: the shipped Time.ini,
// Modes.ini and phonetic font, small lessons written here, settings files as
// each test wants them.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <fstream>
#include <string>
#include <vector>

#include "util/ProgramFolder.h"
#include "util/Text.h"

namespace korvan {

struct TTestQuestion
{
    const char* Comment;
    const char* RText;
    const char* EText;
};

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
    }

    std::string Path(const std::string& name) const { return Root + name; }

    // UTF-8 text stored as 1251 bytes, as the program's files are.
    void WriteText(const std::string& name, const std::string& utf8) const
    {
        std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
        out << ToCp1251(utf8);
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
};

// The question timers at test speed: the lead-in and the pause take a few
// milliseconds instead of a second and half a second.
inline void SpeedUpTimers(QWidget& window)
{
    for (const char* name : {"Timer_M1AndM2", "Timer_M3Pause"})
        window.findChild<QTimer*>(QString::fromLatin1(name))->setInterval(5);
}

inline QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace korvan
