#pragma once

// The lower part of the right-hand column: the progress picture
// (ProgressPaintBox), the counters under "Осталось" and the think gauge PB
// between its two bevels.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "drill/DrillPorts.h"
#include "drill/ProgressGeometry.h"

class QFrame;
class QLabel;

namespace korvan {

// Draws ProgressPicture's shapes for the counters it is given.
class TProgressBox : public QWidget
{
    Q_OBJECT
public:
    explicit TProgressBox(std::function<TProgressCounters()> counters, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<TProgressCounters()> Counters;
};

// A bar gauge without border or text: blue from the left over position × 100
// div maximum per cent of the width, nothing when the maximum is 0.
class TGauge : public QWidget
{
    Q_OBJECT
public:
    explicit TGauge(QWidget* parent = nullptr);
    // A negative maximum acts as 0.
    void SetMax(int maximum);
    // Kept within 0..maximum.
    void SetPosition(int position);
    int Max() const { return Maximum; }
    int Position() const { return Pos; }
    // Whole per cent filled, 0..100.
    int Percent() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Maximum = 100;
    int Pos = 0;
};

// A control at its design bounds and which edges it keeps its distance from.
struct TAnchored
{
    QWidget* Widget = nullptr;
    QRect Design;
    bool Bottom = false; // anchored to the bottom edge, else to the top
};

class TProgressView
{
public:
    TProgressView(QWidget* window, std::function<TProgressCounters()> counters);

    void SetCounterLabel(TCounterLabel label, const QString& text);
    void SetGaugeMax(int maximum) { PB->SetMax(maximum); }
    void SetGaugePosition(int position) { PB->SetPosition(position); }
    void Repaint();

    TProgressBox* Box() const { return ProgressPaintBox; }
    QFrame* RestSeparator() const { return SRestSeparator; }
    TGauge* Gauge() const { return PB; }
    // Every control here is anchored right; all but the box to the bottom.
    const std::vector<TAnchored>& Anchors() const { return Controls; }

private:
    TProgressBox* ProgressPaintBox;
    QLabel* LShowMoreTotal;
    QLabel* LSelQ_ShowMoreTimes;
    QFrame* SRestSeparator;
    TGauge* PB;
    std::vector<TAnchored> Controls;
};

} // namespace korvan
