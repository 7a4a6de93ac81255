#include "ui/drill/ProgressView.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "drill/DrillTexts.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Translations.h"

namespace korvan {

namespace {

QColor ShapeColour(TProgressColor colour, const QPalette& palette)
{
    switch (colour) {
    case TProgressColor::Black:
        return Qt::black;
    case TProgressColor::Green:
        return QColor(0, 128, 0);
    case TProgressColor::Red:
        return QColor(255, 0, 0);
    case TProgressColor::ButtonFace:
        return palette.color(QPalette::Button);
    }
    return Qt::black;
}

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* MakeLabel(QWidget* window, const char* name, const QString& text, QPoint at)
{
    auto* label = Named(new QLabel(text, window), name);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TProgressBox::TProgressBox(std::function<TProgressCounters()> counters, QWidget* parent)
    : QWidget(parent), Counters(std::move(counters))
{
}

void TProgressBox::paintEvent(QPaintEvent*)
{
    const std::vector<TProgressShape> shapes = ProgressPicture(Counters(), height());
    if (shapes.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const TProgressShape& s : shapes) {
        QPen pen(ShapeColour(s.Pen, palette()));
        pen.setWidth(0); // cosmetic: one pixel
        painter.setPen(pen);
        if (s.Kind == TProgressShape::TKind::Rectangle) {
            // Right and bottom lie outside the shape; Qt's outlined rectangle
            // of width w covers w + 1 pixels.
            if (s.X2 <= s.X1 || s.Y2 <= s.Y1)
                continue;
            painter.setBrush(ShapeColour(s.Fill, palette()));
            painter.drawRect(s.X1, s.Y1, s.X2 - s.X1 - 1, s.Y2 - s.Y1 - 1);
        } else {
            // The end point is not drawn.
            const int dx = (s.X2 > s.X1) - (s.X2 < s.X1);
            const int dy = (s.Y2 > s.Y1) - (s.Y2 < s.Y1);
            if (dx == 0 && dy == 0)
                continue;
            const bool horizontal = std::abs(s.X2 - s.X1) >= std::abs(s.Y2 - s.Y1);
            painter.drawLine(s.X1, s.Y1, horizontal ? s.X2 - dx : s.X2,
                             horizontal ? s.Y2 : s.Y2 - dy);
        }
    }
}

TGauge::TGauge(QWidget* parent) : QWidget(parent) {}

void TGauge::SetMax(int maximum)
{
    Maximum = std::max(0, maximum);
    Pos = std::clamp(Pos, 0, Maximum);
    update();
}

void TGauge::SetPosition(int position)
{
    Pos = std::clamp(position, 0, Maximum);
    update();
}

int TGauge::Percent() const
{
    return Maximum == 0 ? 0 : static_cast<int>(std::int64_t{Pos} * 100 / Maximum);
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const int filled = width() * Percent() / 100;
    if (filled > 0)
        painter.fillRect(0, 0, filled, height(), Qt::blue);
}

TProgressView::TProgressView(QWidget* window, std::function<TProgressCounters()> counters)
{
    ProgressPaintBox = Named(new TProgressBox(std::move(counters), window), "ProgressPaintBox");
    ProgressPaintBox->setGeometry(432, 308, 121, 37);
    Controls.push_back({ProgressPaintBox, ProgressPaintBox->geometry(), false});

    QLabel* label4 =
        MakeLabel(window, "Label4",
                  QCoreApplication::translate("korvan::TProgressView", "Осталось"), {424, 424});
    SRestSeparator = Named(new QFrame(window), "SRestSeparator");
    SRestSeparator->setFrameStyle(QFrame::HLine | QFrame::Plain);
    SRestSeparator->setGeometry(480, 432, 80, 1);
    LShowMoreTotal =
        MakeLabel(window, "LShowMoreTotal", Shown(TotalCounterText(std::nullopt)), {424, 440});
    LSelQ_ShowMoreTimes = MakeLabel(window, "LSelQ_ShowMoreTimes",
                                    Shown(RepeatsCounterText(std::nullopt)), {424, 456});
    QLabel* label5 =
        MakeLabel(window, "Label5",
                  QCoreApplication::translate("korvan::TProgressView", "Времени:"), {424, 472});

    PB = Named(new TGauge(window), "PB");
    PB->setGeometry(424, 488, 137, 17);
    PB->SetMax(100);
    auto* bevel1 = Named(new QFrame(window), "Bevel1");
    auto* bevel2 = Named(new QFrame(window), "Bevel2");
    for (QFrame* bevel : {bevel1, bevel2})
        bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bevel1->setGeometry(421, 488, 2, 17);
    bevel2->setGeometry(562, 488, 2, 17);

    for (QWidget* w :
         std::initializer_list<QWidget*>{label4, SRestSeparator, LShowMoreTotal,
                                         LSelQ_ShowMoreTimes, label5, PB, bevel1, bevel2})
        Controls.push_back({w, w->geometry(), true});
}

void TProgressView::SetCounterLabel(TCounterLabel label, const QString& text)
{
    QLabel* target = label == TCounterLabel::ShowMoreTotal ? LShowMoreTotal : LSelQ_ShowMoreTimes;
    target->setText(text);
    target->adjustSize();
}

void TProgressView::Repaint()
{
    ProgressPaintBox->update();
}

} // namespace korvan
