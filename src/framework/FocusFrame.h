// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFocusFrame>
#include <QPointer>
#include <QWidget>
#include <functional>

// The frame around the control that has the keyboard focus, drawn on the
// canvas of a screen above everything else there: a child who works with
// the keyboard always sees where the next key goes.
//
// It lies around the control, outside it, so it hides nothing of what the
// control shows, and it is as thick as the scaler makes ThicknessTwips
// (never thinner than MinimumThickness pixels). It is two rings, a dark
// one outside and a light one inside: on any colour the program paints
// (the palette backgrounds, the column colours, white, black) one of the
// two stands out. Clicks, drops and assistive technology pass through it:
// it is a QFocusFrame only so that screen readers leave it out of the
// screen's objects (they do for Qt's own focus frame); it follows the focus
// itself and draws itself.
class FocusFrame : public QFocusFrame
{
    Q_OBJECT
public:
    static constexpr double ThicknessTwips = 60;   // 4 design pixels
    static constexpr int MinimumThickness = 3;
    static const QColor Outer;
    static const QColor Inner;

    // Frames what has the focus among the canvas's controls; pixelsPerTwip
    // says how the canvas is scaled now, down.
    FocusFrame(QWidget* canvas, std::function<double()> pixelsPerTwip);

    // The control framed now, if any.
    QWidget* framed() const { return framed_; }
    int thickness() const;

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* now);
    void placeAround();

    QWidget* canvas_;
    std::function<double()> pixelsPerTwip_;
    QPointer<QWidget> framed_;
};
