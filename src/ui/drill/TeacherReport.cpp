#include "ui/drill/TeacherReport.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <unistd.h>

#include <exception>
#include <filesystem>

#include "report/HtmlReport.h"
#include "report/LogReader.h"
#include "report/MemoryReport.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"

namespace korvan {

namespace {

// A class's years of runs take a moment to read.
class TWaitCursor
{
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

std::string WritePage(const std::string& logPath, const std::string& html)
{
    const std::string beside =
        (std::filesystem::path(logPath).parent_path() / "Report.html").string();
    try {
        WriteFileAtomically(beside, html);
        return beside;
    } catch (const TIoError&) {
        // One page per user in the shared temporary folder.
        const std::string temporary = QFile::encodeName(QDir::tempPath()).toStdString() +
                                      "/korvan-report-" + std::to_string(getuid()) + ".html";
        WriteFileAtomically(temporary, html);
        return temporary;
    }
}

} // namespace

QString OpenTeacherReport(QWidget* parent, const std::string& logPath)
{
    std::string page;
    try {
        const TWaitCursor wait;
        TReportData data;
        TLogReader(data).ReadFile(logPath);
        // The pupils' histories beside the log, as the report tool finds them.
        for (const THistoryPlace& place : FindHistoryPlaces({}, {logPath}))
            data.Memories.push_back(SummarizeMemory(place, SystemZonedNow(), false));
        // The page speaks the interface's language.
        page = WritePage(logPath, HtmlReport(data, InstalledLanguage()));
    } catch (const std::exception& e) {
        ShowMsgBox(parent,
                   QCoreApplication::translate("TeacherReport",
                                               "Не удалось построить отчёт для учителя.\n%1")
                       .arg(QString::fromUtf8(e.what())),
                   false);
        return {};
    }
    ShellOpen(page);
    return QFile::decodeName(QByteArray::fromStdString(page));
}

} // namespace korvan
