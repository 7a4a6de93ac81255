// The teacher's page in a real browser, in Russian and in English: headless
// Chromium renders both at once, and each screenshot must show the chart, its
// grade bands and a line of points that rises as the pupil's mistakes fall.
// The English page says nothing in Cyrillic but what the logs hold.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QRegularExpression>

#include <cstdlib>
#include <memory>

#include "ReportLog.h"
#include "report/HtmlReport.h"
#include "report/LogReader.h"
#include "report/ReportCharts.h"
#include "report/ReportText.h"
#include "util/AtomicFile.h"

using namespace korvan;

namespace {

bool Near(QRgb pixel, const QColor& colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
               std::abs(qBlue(pixel) - colour.blue()) <=
           tolerance;
}

// The page's texts less the logs' own (pupils, lessons, modes, grades, sentences).
QString OwnTexts(const std::string& html, const TReportData& data)
{
    QString text = QString::fromStdString(html);
    for (const TNameTable* table :
         {&data.Pupils, &data.Lessons, &data.Modes, &data.Grades, &data.Sentences})
        for (int i = 0; i < table->Count(); ++i)
            if (!table->Name(i).empty())
                text.remove(QString::fromStdString(HtmlEscape(ReportUtf8(table->Name(i)))));
    return text;
}

void CheckChart(const QString& shot)
{
    QImage image(shot);
    QVERIFY2(!image.isNull(), qPrintable("no screenshot " + shot));
    image = image.convertToFormat(QImage::Format_RGB32);

    // Every grade band is painted, and together they make the chart's area.
    QRect chart;
    for (const TGradeBand& band : GradeBands()) {
        const QColor colour(QString::fromLatin1(band.Colour));
        QRect area;
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour.rgb()) {
                    ++pixels;
                    area |= QRect(x, y, 1, 1);
                }
        QVERIFY2(pixels > 300, qPrintable(QString::fromStdString(band.Name)));
        chart |= area;
    }
    QVERIFY2(chart.width() > 400 && chart.height() > 150, "the chart is too small");

    // The line of points inside it runs from low on the left to high on the right.
    const QColor line(QString::fromLatin1(ChartLineColour));
    int linePixels = 0;
    QPoint leftmost(chart.right(), 0), rightmost(chart.left(), 0);
    for (int y = chart.top(); y <= chart.bottom(); ++y)
        for (int x = chart.left(); x <= chart.right(); ++x)
            if (Near(image.pixel(x, y), line, 40)) {
                ++linePixels;
                if (x < leftmost.x())
                    leftmost = {x, y};
                if (x > rightmost.x())
                    rightmost = {x, y};
            }
    QVERIFY2(linePixels > 300, qPrintable(QString::number(linePixels)));
    QVERIFY2(rightmost.x() - leftmost.x() > chart.width() / 2, "the line is too short");
    QVERIFY2(leftmost.y() > rightmost.y() + chart.height() / 5, "the line does not rise");
}

} // namespace

class ReportBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void theChartIsDrawnInBothLanguages()
    {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty())
            QSKIP("chromium is not installed (scripts/install-deps installs it): the page is "
                  "not rendered");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const std::string log = dir.filePath("Log.txt").toStdString();
        // 72, 80, 90, 90, 100 and 100 points on six days.
        WriteReportLog(log, {{"Аня", 1, 3},
                             {"Аня", 2, 2},
                             {"Аня", 3, 1},
                             {"Аня", 4, 1},
                             {"Аня", 5, 0},
                             {"Аня", 6, 0}});
        TReportData data;
        TLogReader(data).ReadFile(log);
        const TUiLanguage languages[] = {TUiLanguage::Russian, TUiLanguage::English};
        std::vector<std::unique_ptr<QProcess>> browsers;
        QStringList shots;
        for (const TUiLanguage language : languages) {
            const QString name = language == TUiLanguage::English ? "en" : "ru";
            const QString page = dir.filePath("report-" + name + ".html");
            const std::string html = HtmlReport(data, language);
            WriteFileAtomically(page.toStdString(), html);
            QVERIFY(html.find("<html lang=\"" + name.toStdString() + "\">") != std::string::npos);
            if (language == TUiLanguage::English) {
                const QString own = OwnTexts(html, data);
                const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]+"));
                QVERIFY2(!own.contains(cyrillic),
                         qPrintable(cyrillic.match(own).captured() + " in the English page"));
            }
            // Each browser in a profile of its own, so that both run at once.
            shots << dir.filePath("shot-" + name + ".png");
            browsers.push_back(std::make_unique<QProcess>());
            browsers.back()->start(chromium, {"--headless", "--no-sandbox", "--disable-gpu",
                                              "--hide-scrollbars", "--window-size=1000,1400",
                                              "--user-data-dir=" + dir.filePath("profile-" + name),
                                              "--screenshot=" + shots.back(),
                                              QUrl::fromLocalFile(page).toString()});
        }
        for (const std::unique_ptr<QProcess>& browser : browsers) {
            QVERIFY2(browser->waitForFinished(90000), "chromium did not finish within 90 s");
            QCOMPARE(browser->exitCode(), 0);
        }
        for (const QString& shot : shots) {
            CheckChart(shot);
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(ReportBrowserTest)
#include "ReportBrowserTest.moc"
