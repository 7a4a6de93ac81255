#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>

#include "ui/dialogs/AboutDialog.h"
#include "ui/platform/ShellOpen.h"
#include "util/Paths.h"

using namespace korvan;

namespace {

QLabel* Label(QWidget& dialog, const char* name)
{
    auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    if (label == nullptr)
        qFatal("no label %s", name);
    return label;
}

// Runs Execute with `actions` performed once the box is up; returns whether
// the box closed by itself (false when the 5 s guard had to close it).
bool ExecuteWith(TFAbout& dialog, const std::function<void()>& actions)
{
    bool guarded = false;
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        actions();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        guarded = true;
        dialog.reject();
    });
    guard.start(5000);
    dialog.Execute();
    return !guarded;
}

} // namespace

class AboutDialogTest : public QObject
{
    Q_OBJECT

private:
    QList<QUrl> Opened;

private slots:
    void init()
    {
        Opened.clear();
        SetShellOpener([this](const QUrl& url) { Opened << url; });
    }
    void cleanup() { SetShellOpener({}); }

    void contents()
    {
        TFAbout dialog;
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("О программе"));
        QCOMPARE(dialog.size(), QSize(392, 480));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QLabel* name = Label(dialog, "LName");
        QCOMPARE(name->text(), QStringLiteral("Korvan"));
        QVERIFY(name->font().bold());
        QCOMPARE(name->font().pointSize(), 10);
        QCOMPARE(Label(dialog, "LPurpose")->text(),
                 QString::fromUtf8("Программа обучения английскому языку"));
        QCOMPARE(Label(dialog, "LVersion")->text(),
                 QString::fromUtf8(
                     "Версия 2.00 от 19/07/2004.\nИзменен формат уроков и доработан интерфейс."));
        QVERIFY(Label(dialog, "LVersion")->wordWrap());
        QCOMPARE(Label(dialog, "LSiteHeading")->text(), QString::fromUtf8("Сайт программы"));
        QCOMPARE(Label(dialog, "LThanksHeading")->text(), QString::fromUtf8("Благодарности"));
        QVERIFY(Label(dialog, "LAuthor")->text().startsWith(QString::fromUtf8("Автор программы:")));
        QCOMPARE(Label(dialog, "LEmailCaption")->text(), QString::fromUtf8("E-mail письмо :"));
        QCOMPARE(Label(dialog, "LThanks")->text().count(QLatin1Char('\n')), 2); // three lines
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("BOk"));
        QCOMPARE(ok->text(), QString::fromUtf8("Да"));
        QVERIFY(ok->isDefault());
        for (const char* link : {"LWeb_KorvanRoot", "LEmail_My", "LWeb_MyRoot"}) {
            QLabel* label = Label(dialog, link);
            QVERIFY2(label->font().underline(), link);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void linksOpenTheirTargets_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("target");
        QTest::newRow("program's page")
            << "LWeb_KorvanRoot" << QUrl(QString::fromUtf8(KorvanWebPage));
        QTest::newRow("letter") << "LEmail_My"
                                << QUrl(QStringLiteral("mailto:") + QString::fromUtf8(AuthorEmail));
        QTest::newRow("author's page") << "LWeb_MyRoot" << QUrl(QString::fromUtf8(AuthorHomePage));
    }

    void linksOpenTheirTargets()
    {
        QFETCH(QString, link);
        QFETCH(QUrl, target);
        TFAbout dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QLabel* label = Label(dialog, link.toLatin1().constData());
            QCOMPARE(label->text(), target.scheme() == QStringLiteral("mailto")
                                        ? target.path()
                                        : target.toString());
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(Opened, QList<QUrl>{target});
            // By keys alone: Tab reaches the link, Enter opens it.
            QVERIFY(label->focusPolicy() & Qt::TabFocus);
            label->setFocus();
            QTest::keyClick(label, Qt::Key_Return);
            QCOMPARE(Opened, (QList<QUrl>{target, target}));
            // The box stays open.
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BOk")),
                              Qt::LeftButton);
        }));
    }

    void userFolderIsNamedAndOpened()
    {
        QTemporaryDir folder;
        const TFileLocations before = FileLocations();
        SetFileLocations({true, "/usr/share/korvan/", folder.path().toStdString()});
        TFAbout dialog;
        SetFileLocations(before);
        QLabel* label = Label(dialog, "LUserFolder");
        QCOMPARE(label->text(), folder.path() + QLatin1Char('/'));
        QVERIFY(ExecuteWith(dialog, [&] {
            QTest::mouseClick(label, Qt::LeftButton);
            dialog.accept();
        }));
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(folder.path() + QLatin1Char('/'))});
    }

    void otherLabelsOpenNothing()
    {
        TFAbout dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QTest::mouseClick(Label(dialog, "LVersion"), Qt::LeftButton);
            QTest::mouseClick(Label(dialog, "LEmailCaption"), Qt::LeftButton);
            dialog.accept();
        }));
        QVERIFY(Opened.isEmpty());
    }

    void enterAndEscClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void enterAndEscClose()
    {
        QFETCH(int, key);
        TFAbout dialog;
        QVERIFY(ExecuteWith(dialog, [&] { QTest::keyClick(dialog.focusWidget(), Qt::Key(key)); }));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
