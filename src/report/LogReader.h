#pragma once

// Reads drill logs into the report's runs. A run is the block from a stamped
// "Запущен урок. Выбраны установки:" to its results; one that never reached
// them (the program closed, crashed or was killed, another run or lesson
// started) is kept as unfinished. Its pupil is the last "Выбран ученик: " and
// its lesson the last "Открыт урок: " before it in the same program block.
// Lines it does not understand are skipped and counted, never fatal.

#include <string>
#include <string_view>

#include "report/ReportData.h"

namespace korvan {

// A stamp "dd/mm/yyyy H:MM:SS" (date and time padded on the left with blanks)
// followed by two blanks and the text: true with the stamp and the text.
bool ParseStampedLine(std::string_view line, TStamp& stamp, std::string_view& text);

class TLogReader
{
public:
    explicit TLogReader(TReportData& data);
    TLogReader(const TLogReader&) = delete;
    TLogReader& operator=(const TLogReader&) = delete;

    // Reads one whole log; `path` is recorded as the runs' log. LF or CR LF.
    // Throws TIoError when the file cannot be opened or read.
    void ReadFile(const std::string& path);

private:
    enum class TSection
    {
        None,       // between entries
        Settings,   // the unstamped lines of a run's settings
        Results,    // the lines after "Урок завершен. Результаты:"
        Difficulty, // the difficulty list
    };

    void ReadLine(std::string_view line);
    bool ReadStamped(TStamp stamp, std::string_view text);
    bool ReadSettings(std::string_view line);
    bool ReadResults(std::string_view line);
    bool ReadDifficulty(std::string_view line);
    void Skip();

    TReportData& Data;
    int Log = 0;
    std::int64_t LineNo = 0;
    int Pupil = 0;
    int Lesson = 0;
    TSection Section = TSection::None;
    bool GradeRead = false; // the first line after the results heading is the grade
    bool RunOpen = false;   // the last of Data.Runs is still running
};

} // namespace korvan
