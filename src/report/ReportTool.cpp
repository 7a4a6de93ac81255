#include "report/ReportTool.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "report/CsvReport.h"
#include "report/HtmlReport.h"
#include "report/LogReader.h"
#include "report/MemoryReport.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"

namespace korvan {

namespace {

constexpr const char* Usage =
    "Usage: korvan-report LOG_OR_FOLDER... [--html FILE] [--csv FILE|-]\n"
    "                     [--memory-csv FILE|-] [--at TIME]\n"
    "  LOG_OR_FOLDER  a drill log, or a folder searched for files named Log.txt;\n"
    "                 the pupils' history folders beside the logs are read too, and\n"
    "                 a history folder (or one pupil's) may be named directly\n"
    "  --html FILE    the teacher's report as a page\n"
    "  --csv FILE|-   one row per run, UTF-8 (\"-\": standard output)\n"
    "  --memory-csv FILE|-  one row per pupil and card of their memory\n"
    "  --at TIME      the day the memory is reported on (RFC 3339; now by default)\n";

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
};

// False with a message on `err` for a usage error.
bool ParseArgs(const std::vector<std::string>& args, TOptions& options, std::ostream& err)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--html" || arg == "--csv" || arg == "--memory-csv") {
            if (i + 1 == args.size()) {
                err << "korvan-report: " << arg << " needs a file name\n";
                return false;
            }
            (arg == "--html"  ? options.Html
             : arg == "--csv" ? options.Csv
                              : options.MemoryCsv) = args[++i];
        } else if (arg == "--at") {
            const auto at = i + 1 < args.size() ? ParseRfc3339(args[++i]) : std::nullopt;
            if (!at) {
                err << "korvan-report: --at takes a time such as 2026-12-09T19:53:07+03:00\n";
                return false;
            }
            options.At = *at;
        } else if (arg.starts_with("--")) {
            err << "korvan-report: unknown option \"" << arg << "\"\n";
            return false;
        } else {
            options.Inputs.push_back(arg);
        }
    }
    if (options.Inputs.empty() ||
        (options.Html.empty() && options.Csv.empty() && options.MemoryCsv.empty())) {
        err << "korvan-report: name at least one log and one output\n";
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

int RunReportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << Usage;
        return 0;
    }
    TOptions options;
    if (!ParseArgs(args, options, err)) {
        err << Usage;
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
            err << "korvan-report: " << data.SkippedLines << " line(s) not understood, skipped;"
                << " first at";
            for (const std::string& place : data.SkippedPlaces)
                err << ' ' << place;
            err << '\n';
        }
        if (!options.Html.empty())
            WriteFileAtomically(options.Html, HtmlReport(data));
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
