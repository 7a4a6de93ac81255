// The teacher's page in a real browser: headless Chromium renders it, and the
// screenshot must show the chart, its grade bands and a line of points that
// rises as the pupil's mistakes fall.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include "ReportLog.h"
#include "report/HtmlReport.h"
#include "report/LogReader.h"
#include "report/ReportCharts.h"
#include "util/AtomicFile.h"

using namespace korvan;

namespace {

bool Near(QRgb pixel, const QColor& colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
               std::abs(qBlue(pixel) - colour.blue()) <=
           tolerance;
}

} // namespace

class ReportBrowserTest : public QObject
{
    Q_OBJECT

private slots:
    void theChartIsDrawn()
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
        const QString page = dir.filePath("report.html");
        WriteFileAtomically(page.toStdString(), HtmlReport(data));

        const QString shot = dir.filePath("shot.png");
        QProcess browser;
        browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                                 "--window-size=1000,1400", "--screenshot=" + shot,
                                 QUrl::fromLocalFile(page).toString()});
        QVERIFY2(browser.waitForFinished(90000), "chromium did not finish within 90 s");
        QCOMPARE(browser.exitCode(), 0);
        QImage image(shot);
        QVERIFY2(!image.isNull(), "no screenshot");
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
};

QTEST_MAIN(ReportBrowserTest)
#include "ReportBrowserTest.moc"
