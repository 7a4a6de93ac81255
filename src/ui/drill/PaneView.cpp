#include "ui/drill/PaneView.h"

#include <QFrame>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>

#include <algorithm>

#include "settings/SkinCfg.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Fonts.h"

namespace korvan {

namespace {

const char* const PaneNames[7] = {"M1",     "M2",      "M3", "MInfo", "MTranscription",
                                  "MInput", "MHelpMsg"};

// The framed area at design, window coordinates.
constexpr int FrameLeft = 8;
constexpr int FrameTop = 4;
constexpr int FrameWidth = 409;
constexpr int FrameHeight = 505;

// The panes' design face; MHelpMsg keeps it whatever the appearance says.
QFont DesignPaneFont()
{
    QFont font(InstalledFace(QStringLiteral("Tahoma")));
    font.setPixelSize(13);
    return font;
}

// A pane's text: the line breaks of the files become the editor's.
QString PlainText(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return plain;
}

} // namespace

TPaneView::TPaneView(QWidget* window)
{
    SAroundMemos = new QFrame(window);
    SAroundMemos->setObjectName(QStringLiteral("SAroundMemos"));
    SAroundMemos->setFrameStyle(QFrame::Box | QFrame::Plain);
    SAroundMemos->setLineWidth(1);
    SAroundMemos->setGeometry(FrameLeft, FrameTop, FrameWidth, FrameHeight);

    for (int i = 0; i < 7; ++i) {
        auto* edit = new QTextEdit(window);
        const QString name = QString::fromLatin1(PaneNames[i]);
        edit->setObjectName(name);
        edit->setAcceptRichText(false);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        edit->setFont(DesignPaneFont());
        const bool input = static_cast<TPane>(i) == TPane::MInput;
        edit->setReadOnly(!input);
        // Read-only panes never hold the focus, so Space never scrolls them;
        // MInput takes it from a click or from the drill, not from Tab.
        edit->setFocusPolicy(input ? Qt::ClickFocus : Qt::NoFocus);
        edit->setTabChangesFocus(true);
        if (!input) {
            edit->setUndoRedoEnabled(false); // a long session would pile up undo steps
            edit->viewport()->setCursor(Qt::ArrowCursor);
        }
        edit->hide();
        Panes[i] = edit;
    }
}

void TPaneView::InitPanes()
{
    for (int i = 0; i < 7; ++i) {
        QTextEdit* edit = Panes[i];
        if (static_cast<TPane>(i) == TPane::MInput) {
            edit->setFrameStyle(QFrame::Box | QFrame::Plain);
            edit->setLineWidth(1);
        } else {
            edit->setFrameStyle(QFrame::NoFrame);
        }
        edit->clear();
        CentreAll(edit); // ShowInPane leaves an unchanged text as it is
    }
}

void TPaneView::ShowInPane(TPane pane, const QString& text)
{
    QTextEdit* edit = Pane(pane);
    const QString plain = PlainText(text);
    // Every question empties all seven panes; replacing a text by the same one
    // would only flood a screen reader with change events (Orca drops the
    // announcements queued behind more than 50 of them).
    if (edit->toPlainText() != plain) {
        edit->setPlainText(plain);
        CentreAll(edit);
    }
    edit->verticalScrollBar()->setValue(0);
}

void TPaneView::CentreAll(QTextEdit* edit)
{
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor cursor(edit->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(centred);
    // What the pupil types into MInput continues the centred block.
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::Start);
    edit->setTextCursor(cursor);
}

void TPaneView::ApplyPaneFont(TPane pane, const TSkinCfg& cfg)
{
    QTextEdit* edit = Pane(pane);
    if (pane == TPane::MTranscription) {
        // The phonetic face draws SAMPA letters as IPA; only the size follows
        // the settings, the style stays as it is.
        QFont font = edit->font();
        font.setFamily(PhoneticFamily);
        font.setPointSize(SkinFont(cfg).pointSize());
        edit->setFont(font);
        return;
    }
    // Drawn by the face that stands for it (the settings keep its name).
    QFont font = SkinFont(cfg);
    font.setFamily(InstalledFace(font.family()));
    edit->setFont(font);
}

void TPaneView::ApplyAppearance(const TSkinCfg& cfg)
{
    for (TPane pane :
         {TPane::MInfo, TPane::M1, TPane::M2, TPane::M3, TPane::MTranscription, TPane::MInput})
        ApplyPaneFont(pane, cfg);
    // MHelpMsg would take only the character set, which Qt's fonts do not have.

    struct TColours
    {
        TPane Pane;
        TColor Text;
        TColor Back;
    };
    const TColours colours[] = {
        {TPane::MInfo, cfg.ColorInfo, cfg.BackColorInfo},
        {TPane::M1, cfg.Color1, cfg.BackColor1},
        {TPane::M2, cfg.Color2, cfg.BackColor2},
        {TPane::M3, cfg.Color3, cfg.BackColor3},
        {TPane::MTranscription, cfg.ColorTranscription, cfg.BackColorTranscription},
        {TPane::MInput, cfg.ColorInput, cfg.BackColorInput},
        {TPane::MHelpMsg, cfg.ColorHelpMsg, cfg.BackColorHelpMsg},
    };
    for (const TColours& c : colours) {
        QTextEdit* edit = Pane(c.Pane);
        QPalette palette = edit->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Text, ToQColor(c.Text));
            palette.setColor(group, QPalette::Base, ToQColor(c.Back));
        }
        edit->setPalette(palette);
    }
}

void TPaneView::ApplyLayout(const TPaneLayout& layout)
{
    for (int i = 0; i < 7; ++i) {
        const TPanePlace& place = layout.Places[i];
        QTextEdit* edit = Panes[i];
        if (place.Visible) {
            const TPaneRect& r = place.Bounds;
            edit->setGeometry(r.Left, r.Top, r.Width, r.Height);
            edit->show();
        } else {
            edit->hide();
        }
    }
}

int TPaneView::TextHeight(TPane pane, const QStringList& texts, int width) const
{
    // Laid out as the pane lays out its own document, at the width its
    // viewport has without a scroll bar.
    const QTextEdit* edit = Pane(pane);
    if (LastMeasured && LastMeasured->Pane == pane && LastMeasured->Width == width &&
        LastMeasured->Font == edit->font() && LastMeasured->Texts == texts)
        return LastMeasured->Height;
    const int frame = 2 * edit->frameWidth();
    QTextDocument document;
    document.setDefaultFont(edit->font());
    document.setDocumentMargin(edit->document()->documentMargin());
    document.setTextWidth(std::max(width - frame, 0));
    qreal tallest = 0;
    for (const QString& text : texts) {
        document.setPlainText(PlainText(text));
        tallest = std::max(tallest, document.size().height());
    }
    LastMeasured = TMeasured{pane, edit->font(), texts, width, qCeil(tallest) + frame};
    return LastMeasured->Height;
}

TPaneRect TPaneView::FrameRect() const
{
    const QRect r = SAroundMemos->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace korvan
