// "Отчёт для учителя ...": the page is built from the log, written beside it
// (or in the temporary folder) and handed to the desktop; failures are shown.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <fstream>
#include <memory>
#include <sstream>

#include "ReportLog.h"
#include "ui/drill/Authoring.h"
#include "ui/drill/MainMenus.h"
#include "ui/drill/TeacherReport.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/UiHelpers.h"

using namespace korvan;

namespace {

std::string ReadAll(const QString& path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

class TeacherReportTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        Opened.clear();
        SetShellOpener([this](const QUrl& url) { Opened << url; });
    }
    void cleanup() { SetShellOpener({}); }

    void thePageIsWrittenBesideTheLogAndOpened()
    {
        const std::string log = Folder->filePath("Log.txt").toStdString();
        WriteReportLog(log, {{"Аня <i>", 1, 0}, {"Аня <i>", 2, 3}});
        const QString page = OpenTeacherReport(nullptr, log);
        QCOMPARE(page, Folder->filePath("Report.html"));
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(page)});
        const std::string html = ReadAll(page);
        QVERIFY(html.find("Аня &lt;i&gt;") != std::string::npos);
        QVERIFY(html.find("<tr class=\"run\">") != std::string::npos);
    }

    // A folder standing where the page would go cannot be replaced.
    void anUnwritablePlaceFallsBackToTheTemporaryFolder()
    {
        const std::string log = Folder->filePath("Log.txt").toStdString();
        WriteReportLog(log, {{"Аня", 1, 0}});
        QVERIFY(QDir(Folder->path()).mkdir(QStringLiteral("Report.html")));
        qputenv("TMPDIR", Folder->filePath(QStringLiteral("tmp")).toUtf8());
        QVERIFY(QDir(Folder->path()).mkdir(QStringLiteral("tmp")));
        const QString page = OpenTeacherReport(nullptr, log);
        qunsetenv("TMPDIR");
        QVERIFY2(page.startsWith(Folder->filePath("tmp/korvan-report-")), qPrintable(page));
        QCOMPARE(Opened.size(), 1);
        QVERIFY(ReadAll(page).find("</html>") != std::string::npos);
    }

    void aMissingLogIsShownNotOpened()
    {
        SetNextAnswer(true);
        QVERIFY(
            OpenTeacherReport(nullptr, Folder->filePath("none/Log.txt").toStdString()).isEmpty());
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(QString::fromUtf8("Не удалось построить отчёт для учителя.")),
                 qPrintable(shown[0]));
        QVERIFY(shown[0].contains(QStringLiteral("none/Log.txt")));
        QVERIFY(Opened.isEmpty());
    }

    void theEntryStandsBesideThePupils()
    {
        QWidget window;
        TAuthoring authoring(&window, Folder->path().toStdString() + "/",
                             Folder->path().toStdString() + "/");
        int reports = 0;
        TMainMenus menus(&window, TMenuHandlers{{}, [&] { ++reports; }, {}, {}, {}, {}, {}, {}},
                         authoring);
        const QList<QAction*> actions = menus.PMCustomize->actions();
        QCOMPARE(actions.size(), 5);
        QCOMPARE(actions[1]->objectName(), QStringLiteral("ATeacherReport"));
        // The review settings come last.
        QCOMPARE(actions[4]->text(), QString::fromUtf8("Повторение ..."));
        QCOMPARE(actions[1]->text(), QString::fromUtf8("Отчёт для учителя ..."));
        actions[1]->trigger();
        QCOMPARE(reports, 1);
    }

private:
    std::unique_ptr<QTemporaryDir> Folder;
    QList<QUrl> Opened;
};

QTEST_MAIN(TeacherReportTest)
#include "TeacherReportTest.moc"
