#pragma once

// The seven text panes of the main window inside the framed area SAroundMemos:
// plain text only (a lesson's text is never taken for markup), centred, every
// text replaced whole and scrolled to the top.

#include <QFont>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "drill/DrillPorts.h"
#include "drill/PaneLayout.h"

class QFrame;
class QTextEdit;
class QWidget;

namespace korvan {

struct TSkinCfg;

class TPaneView
{
public:
    // Creates SAroundMemos and the panes as children of `window`, at their
    // design place (the frame at 8, 4, 409 × 505).
    explicit TPaneView(QWidget* window);

    // Borders off on all panes but MInput, every pane empty.
    void InitPanes();
    // `text` is 1251 text; CR LF and LF both break lines.
    void ShowInPane(TPane pane, const QString& text);
    // Fonts and colours of the appearance settings (no layout).
    void ApplyAppearance(const TSkinCfg& cfg);
    void ApplyLayout(const TPaneLayout& layout);
    // The height in pixels the pane needs to show the tallest of `texts` (1251)
    // whole in its font at `width` pixels, with no scroll bar.
    int TextHeight(TPane pane, const QStringList& texts, int width) const;

    QTextEdit* Pane(TPane pane) const { return Panes[static_cast<int>(pane)]; }
    QFrame* Frame() const { return SAroundMemos; }
    // The frame's bounds in window coordinates.
    TPaneRect FrameRect() const;

private:
    void ApplyPaneFont(TPane pane, const TSkinCfg& cfg);
    static void CentreAll(QTextEdit* edit);

    QFrame* SAroundMemos;
    std::array<QTextEdit*, 7> Panes{}; // indexed by TPane

    // The last TextHeight: a layout asks again with the same texts and width
    // (the window is laid out more than once while it is being shown).
    struct TMeasured
    {
        TPane Pane;
        QFont Font;
        QStringList Texts;
        int Width = -1;
        int Height = 0;
    };
    mutable std::optional<TMeasured> LastMeasured;
};

} // namespace korvan
