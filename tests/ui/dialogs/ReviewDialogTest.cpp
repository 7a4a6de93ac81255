#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>

#include "TestFiles.h"
#include "settings/MemorySettings.h"
#include "ui/dialogs/ReviewDialog.h"
#include "ui/platform/UiHelpers.h"

using namespace korvan;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// Runs Execute with `actions` performed once the dialog is up; closed after
// 5 s so that a broken test fails, not hangs.
bool ExecuteWith(TFReview& dialog, const std::function<void()>& actions)
{
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        actions();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        qWarning("dialog left open");
        dialog.reject();
    });
    guard.start(5000);
    return dialog.Execute();
}

void Retype(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

} // namespace

class ReviewDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void byKeysTheSettingsAreShownAndSaved()
    {
        test::TTempDir dir;
        const std::string ini = dir.Write(
            "Korvan.ini", "[Main]\r\nSpeed=7\r\nDesiredRetention=0.85\r\nDayStartsAt=3\r\n");
        TFReview dialog(nullptr, ini, dir.File("history/"));
        QVERIFY(ExecuteWith(dialog, [&] {
            QCOMPARE(dialog.SERetention->value(), 85);
            QCOMPARE(dialog.SEDayStartsAt->value(), 3);
            QCOMPARE(dialog.SEReviewLimit->value(), 50);
            QVERIFY(dialog.EHistoryFolder->text().isEmpty());
            QCOMPARE(dialog.focusWidget(), dialog.EHistoryFolder);
            // Tab from field to field, values typed, Enter takes them.
            QTest::keyClick(dialog.EHistoryFolder, Qt::Key_Tab);
            QCOMPARE(dialog.focusWidget(), dialog.BHistoryFolder);
            Retype(dialog.SERetention, "93");
            Retype(dialog.SEDayStartsAt, "0");
            Retype(dialog.SEReviewLimit, "20");
            QTest::keyClick(dialog.SEReviewLimit, Qt::Key_Return);
        }));
        const TMemorySettings s = LoadMemorySettings(ini);
        QCOMPARE(s.DesiredRetention, 0.93);
        QCOMPARE(s.DayStartsAt, 0);
        QCOMPARE(s.ReviewLimit, 20);
        QVERIFY(s.HistoryFolder.empty());

        // Esc leaves everything as it was.
        QVERIFY(!ExecuteWith(dialog, [&] {
            Retype(dialog.SEReviewLimit, "7");
            QTest::keyClick(dialog.SEReviewLimit, Qt::Key_Escape);
        }));
        QCOMPARE(LoadMemorySettings(ini).ReviewLimit, 20);
    }

    void aFolderIsTakenOnlyWhenItCanBeWritten()
    {
        test::TTempDir dir;
        const std::string ini = dir.Write("Korvan.ini", "");
        dir.Write("file", "x");
        const QString shared = QString::fromStdString(dir.File("shared"));
        std::filesystem::create_directory(dir.File("shared"));
        TFReview dialog(nullptr, ini, dir.File("history/"));
        QVERIFY(ExecuteWith(dialog, [&] {
            // Under a file no folder can be: refused with the reason, not taken.
            TFReview::SetNextFolder(QString::fromStdString(dir.File("file/class")));
            SetNextAnswer(true);
            QTest::mouseClick(dialog.BHistoryFolder, Qt::LeftButton);
            const QStringList shown = TakeShownMessages();
            QCOMPARE(shown.size(), 1);
            QVERIFY(shown[0].startsWith(U("В папку \"")));
            QVERIFY(dialog.EHistoryFolder->text().isEmpty());

            TFReview::SetNextFolder(shared);
            QTest::mouseClick(dialog.BHistoryFolder, Qt::LeftButton);
            QCOMPARE(dialog.EHistoryFolder->text(), shared);
            QTest::mouseClick(dialog.BOk, Qt::LeftButton);
        }));
        QCOMPARE(LoadMemorySettings(ini).HistoryFolder, shared.toStdString());
        // The probe left nothing behind.
        QVERIFY(std::filesystem::is_empty(dir.File("shared")));
    }
};

QTEST_MAIN(ReviewDialogTest)
#include "ReviewDialogTest.moc"
