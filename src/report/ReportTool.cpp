#include "report/ReportTool.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "report/CsvReport.h"
#include "report/HtmlReport.h"
#include "report/LogReader.h"
#include "report/MemoryReport.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"

namespace korvan {

namespace {

std::string Usage(TUiLanguage language)
{
    return Say(
        language, "ReportTool",
        KORVAN_MARK("ReportTool",
                    "Запуск: korvan-report ЖУРНАЛ_ИЛИ_ПАПКА... [--html ФАЙЛ] [--csv ФАЙЛ|-]\n"
                    "                     [--memory-csv ФАЙЛ|-] [--at ВРЕМЯ] [--lang ru|en]\n"
                    "  ЖУРНАЛ_ИЛИ_ПАПКА  журнал занятий или папка, где ищутся файлы Log.txt;\n"
                    "                 читаются и папки истории учеников рядом с журналами, а\n"
                    "                 папку истории (всего класса или одного ученика) можно\n"
                    "                 назвать и прямо\n"
                    "  --html ФАЙЛ    отчёт для учителя в виде страницы\n"
                    "  --csv ФАЙЛ|-   по строке на каждый запуск, UTF-8 (\"-\": стандартный "
                    "вывод)\n"
                    "  --memory-csv ФАЙЛ|-  по строке на каждого ученика и карточку его памяти\n"
                    "  --at ВРЕМЯ     день, на который показывается память (RFC 3339; по\n"
                    "                 умолчанию сейчас)\n"
                    "  --lang ru|en   язык страницы и сообщений (по умолчанию язык системы)\n"));
}

bool IsLogName(const std::filesystem::path& path)
{
    std::string name = path.filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "log.txt";
}

struct TOptions
{
    std::vector<std::string> Inputs;
    std::string Html;
    std::string Csv;
    std::string MemoryCsv;
    TZonedTime At = SystemZonedNow();
    TReportLanguages Languages;
};

// False with a message on `err` for a usage error.
bool ParseArgs(const std::vector<std::string>& args, TOptions& options, std::ostream& err)
{
    const TUiLanguage say = options.Languages.Messages;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--html" || arg == "--csv" || arg == "--memory-csv") {
            if (i + 1 == args.size()) {
                err << Say(say, "ReportTool",
                           KORVAN_MARK("ReportTool", "korvan-report: после %1 нужно имя файла\n"),
                           {arg});
                return false;
            }
            (arg == "--html"  ? options.Html
             : arg == "--csv" ? options.Csv
                              : options.MemoryCsv) = args[++i];
        } else if (arg == "--at") {
            const auto at = i + 1 < args.size() ? ParseRfc3339(args[++i]) : std::nullopt;
            if (!at) {
                err << Say(say, "ReportTool",
                           KORVAN_MARK("ReportTool", "korvan-report: после --at нужно время "
                                                     "вида 2026-12-09T19:53:07+03:00\n"));
                return false;
            }
            options.At = *at;
        } else if (arg == "--lang") {
            const std::string value = i + 1 < args.size() ? args[++i] : "";
            if (value != "ru" && value != "en") {
                err << Say(
                    say, "ReportTool",
                    KORVAN_MARK("ReportTool", "korvan-report: после --lang нужно ru или en\n"));
                return false;
            }
        } else if (arg.starts_with("--")) {
            err << Say(say, "ReportTool",
                       KORVAN_MARK("ReportTool", "korvan-report: неизвестный параметр «%1»\n"),
                       {arg});
            return false;
        } else {
            options.Inputs.push_back(arg);
        }
    }
    if (options.Inputs.empty() ||
        (options.Html.empty() && options.Csv.empty() && options.MemoryCsv.empty())) {
        err << Say(say, "ReportTool",
                   KORVAN_MARK("ReportTool", "korvan-report: назовите хотя бы один журнал и "
                                             "один файл для вывода\n"));
        return false;
    }
    return true;
}

} // namespace

std::vector<std::string> FindLogs(const std::vector<std::string>& inputs)
{
    namespace fs = std::filesystem;
    std::vector<std::string> logs;
    for (const std::string& input : inputs) {
        std::error_code error;
        const fs::file_status status = fs::status(input, error);
        if (!fs::exists(status))
            throw TIoError("no such file or folder: " + input);
        if (!fs::is_directory(status)) {
            logs.push_back(input);
            continue;
        }
        std::vector<std::string> found;
        fs::recursive_directory_iterator it(input, fs::directory_options::skip_permission_denied,
                                            error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            std::error_code ignored;
            if (IsLogName(it->path()) && it->is_regular_file(ignored))
                found.push_back(it->path().string());
        }
        if (error)
            throw TIoError("cannot search the folder " + input + ": " + error.message());
        std::sort(found.begin(), found.end());
        logs.insert(logs.end(), found.begin(), found.end());
    }
    return logs;
}

int RunReportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  TReportLanguages languages)
{
    // --lang is read first, so that every message of the run is in its language.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--lang" && (args[i + 1] == "ru" || args[i + 1] == "en")) {
            const TUiLanguage chosen =
                args[i + 1] == "ru" ? TUiLanguage::Russian : TUiLanguage::English;
            languages = {chosen, chosen};
        }
    }
    const TUiLanguage say = languages.Messages;
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << Usage(say);
        return 0;
    }
    TOptions options;
    options.Languages = languages;
    if (!ParseArgs(args, options, err)) {
        err << Usage(say);
        return 2;
    }
    try {
        TReportData data;
        TLogReader reader(data);
        const std::vector<std::string> logs = FindLogs(options.Inputs);
        for (const std::string& log : logs)
            reader.ReadFile(log);
        for (const THistoryPlace& place : FindHistoryPlaces(options.Inputs, logs))
            data.Memories.push_back(SummarizeMemory(place, options.At, !options.MemoryCsv.empty()));
        if (data.SkippedLines > 0) {
            std::string places;
            for (const std::string& place : data.SkippedPlaces)
                places += (places.empty() ? "" : " ") + place;
            err << Say(say, "ReportTool",
                       KORVAN_MARK_N("ReportTool", "korvan-report: %n строк не понято и "
                                                   "пропущено. Первые из них: %1\n"),
                       {places}, data.SkippedLines);
        }
        if (!options.Html.empty())
            WriteFileAtomically(options.Html, HtmlReport(data, languages.Page));
        if (options.Csv == "-")
            out << CsvReport(data);
        else if (!options.Csv.empty())
            WriteFileAtomically(options.Csv, CsvReport(data));
        if (options.MemoryCsv == "-")
            out << MemoryCsv(data.Memories);
        else if (!options.MemoryCsv.empty())
            WriteFileAtomically(options.MemoryCsv, MemoryCsv(data.Memories));
    } catch (const TIoError& e) {
        err << "korvan-report: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

} // namespace korvan
