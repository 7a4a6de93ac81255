#include "ui/platform/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <QTimer>

#include "access/AccessibleTexts.h"
#include "ui/platform/Translations.h"

namespace korvan {

namespace {

QAccessibleInterface* AnnouncerFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("korvan::TAnnouncer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

bool AccessibleIdsWanted()
{
    return qEnvironmentVariable("KORVAN_ACCESSIBLE_IDS") == QLatin1String("1");
}

void ApplyAccessibleTexts(QWidget* window)
{
    const bool ids = AccessibleIdsWanted();
    if (ids) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QString id = w->objectName();
            if (id.isEmpty() || id.startsWith(QLatin1String("qt_")))
                continue;
            if (qobject_cast<QLabel*>(w))
                w->setAccessibleDescription(id);
            else
                w->setAccessibleName(id);
        }
    }
    for (const TAccessibleText& t : AccessibleTexts(window->objectName().toStdString())) {
        QWidget* w = window->findChild<QWidget*>(QString::fromStdString(t.Control));
        if (w == nullptr)
            continue;
        const bool label = qobject_cast<QLabel*>(w) != nullptr;
        // The core marks its texts in the context "Accessible" (i18n/Marked.h).
        if (!t.Name.empty() && (label || !ids))
            w->setAccessibleName(QCoreApplication::translate("Accessible", t.Name.c_str()));
        if (!t.Description.empty() && !(label && ids))
            w->setAccessibleDescription(
                QCoreApplication::translate("Accessible", t.Description.c_str()));
    }
}

void DescribeTrackBarValue(QSlider* trackBar)
{
    auto describe = [trackBar](int position) {
        trackBar->setAccessibleDescription(
            Shown(TrackBarValueText(trackBar->objectName().toStdString(), position)));
    };
    describe(trackBar->value());
    QObject::connect(trackBar, &QSlider::valueChanged, trackBar, describe);
}

TAnnouncer::TAnnouncer(QWidget* window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

void TAnnouncer::Announce(const QString& text)
{
    QString said = text.simplified();
    if (said.isEmpty())
        return;
    Pending << said;
    if (!FlushQueued) {
        FlushQueued = true;
        QTimer::singleShot(0, this, &TAnnouncer::Flush);
    }
}

void TAnnouncer::Flush()
{
    FlushQueued = false;
    if (Pending.isEmpty())
        return;
    const QString said = Pending.join(QLatin1Char(' '));
    Pending.clear();
    // Hidden and shown again: the bus reports it as showing anew each time.
    hide();
    setAccessibleName(said);
    show();
}

} // namespace korvan
