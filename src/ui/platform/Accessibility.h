#pragma once

// What screen readers see of the windows: the human names and descriptions of
// access/AccessibleTexts, or, with KORVAN_ACCESSIBLE_IDS=1 in the environment,
// the control names (for tests that find controls through the accessibility
// bus), and the announcer that has them say what appears during a drill.

#include <QString>
#include <QStringList>
#include <QWidget>

class QSlider;

namespace korvan {

// True when KORVAN_ACCESSIBLE_IDS is "1".
bool AccessibleIdsWanted();

// Names the window's controls from its table (looked up by the window's
// object name). With control names wanted, every named control but a label
// takes its control name as its name and every label its control name as its
// description. Call once all controls exist.
void ApplyAccessibleTexts(QWidget* window);

// Keeps the track bar's description at the text a sighted user reads beside
// it (screen readers say the description with the value).
void DescribeTrackBarValue(QSlider* trackBar);

// A notification that is never seen: each announcement becomes its name and
// it is shown anew, which the Linux accessibility bus reports as a
// notification being shown; Orca speaks it without the focus moving. Texts
// announced within one turn of the event loop are said as one, so a verdict
// and the next question's comment do not cut each other off.
class TAnnouncer : public QWidget
{
    Q_OBJECT
public:
    explicit TAnnouncer(QWidget* window);

    // Line breaks become blanks; blank texts are not said.
    void Announce(const QString& text);
    // Says what is pending now (before a modal dialog takes the focus).
    void Flush();
    // The last text said, for tests.
    QString LastSaid() const { return accessibleName(); }

private:
    QStringList Pending;
    bool FlushQueued = false;
};

} // namespace korvan
