// Names for screen readers with and without the control names, and the
// announcer's joining of what is said within one turn of the event loop.

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/dialogs/InputModeDialog.h"
#include "ui/platform/Accessibility.h"

using namespace korvan;

class AccessibilityTest : public QObject
{
    Q_OBJECT
private slots:
    void namesWithAndWithoutControlNames()
    {
        const QByteArray before = qgetenv("KORVAN_ACCESSIBLE_IDS");
        for (const bool ids : {true, false}) {
            qputenv("KORVAN_ACCESSIBLE_IDS", ids ? "1" : "0");
            TFInpMode dialog;
            auto* button = dialog.findChild<QPushButton*>(QStringLiteral("BUseTextInput"));
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
            QVERIFY(button && label);
            // Without them the caption is the name; the description stays.
            QCOMPARE(button->accessibleName(), ids ? QStringLiteral("BUseTextInput") : QString());
            QCOMPARE(button->accessibleDescription(),
                     QString::fromUtf8("Перевод я буду набирать на клавиатуре"));
            QCOMPARE(label->accessibleDescription(), ids ? QStringLiteral("Label1") : QString());
            QVERIFY(label->accessibleName().isEmpty()); // a label's text is its name
        }
        qputenv("KORVAN_ACCESSIBLE_IDS", before);
    }

    void announcementsOfOneTurnAreSaidAsOne()
    {
        QWidget window;
        TAnnouncer announcer(&window);
        window.show();
        announcer.Announce(QStringLiteral("Правильно."));
        announcer.Announce(QStringLiteral("\r\n"));
        announcer.Announce(QStringLiteral("Ключ\r\nфраза"));
        QVERIFY(announcer.LastSaid().isEmpty()); // not before the turn ends
        QCoreApplication::processEvents();
        QCOMPARE(announcer.LastSaid(), QStringLiteral("Правильно. Ключ фраза"));
        QVERIFY(announcer.isVisible());
        // Flush says what is pending at once, before a dialog takes the focus.
        announcer.Announce(QStringLiteral("Итог"));
        announcer.Flush();
        QCOMPARE(announcer.LastSaid(), QStringLiteral("Итог"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
