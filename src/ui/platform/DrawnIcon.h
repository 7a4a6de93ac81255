#pragma once

// Icons drawn by our own code when they are first shown, at the size and
// scale they are shown at: nothing is looked up (icon themes, image files) or
// painted while the windows are being made.

#include <QIcon>
#include <QSize>

#include <functional>

class QPainter;

namespace korvan {

// `draw` paints the icon into a `design`-sized area (the painter is scaled to
// the size asked for). The disabled look is the style's own.
QIcon DrawnIcon(QSize design, std::function<void(QPainter&)> draw);

// The main window's buttons: an open folder (the lesson), a list of settings,
// a question mark (help); 16 × 16.
QIcon LessonIcon();
QIcon SettingsIcon();
QIcon HelpIcon();

} // namespace korvan
