// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QObject;
class QWidget;

// The four numbers recorded for a control: Left, Top, Width, Height, or for a
// line its end points X1, Y1, X2, Y2. Both scale the same way: the first and
// third with the width, the second and fourth with the height.
struct DesignGeometry
{
    double a = 0, b = 0, c = 0, d = 0;
    bool operator==(const DesignGeometry&) const = default;
};

// The place of a control after scaling its recorded design geometry by fx
// and fy. A tag beginning with "@" names which of L, T, W, H are scaled (the
// others keep `current`); any other tag scales all four.
DesignGeometry scaleGeometry(const DesignGeometry& recorded, const DesignGeometry& current,
                             const QString& tag, double fx, double fy);

// Where a screen goes when it takes percent per cent of the display, centred.
QRectF formPlacement(int percent, QSizeF display);

// Keeps a screen's controls in proportion to its client area. It records the
// design geometry of every control once and always scales from those
// records, so repeated resizes never accumulate rounding. Fonts keep their
// size. Each screen owns one, made when it loads.
class LayoutScaler
{
public:
    LayoutScaler() = default;

    // The canvas whose controls it keeps in proportion, and those controls
    // (asked anew at each capture). The canvas's window is what it places on
    // the display.
    void setSource(QWidget* canvas, std::function<QList<QObject*>()> controls)
    {
        canvas_ = canvas;
        controls_ = std::move(controls);
    }
    bool needsCapture() const { return needsCapture_; }
    QSizeF originalSize() const { return original_; }

    // Capture again, for controls added or moved for good.
    void reInitialise();
    // A control placed at its design place after the capture: recorded as
    // the captured ones were, and scaled with them from the next resize on.
    void add(QObject* control);
    // Puts the screen in the middle of the display at percent per cent of its
    // width and height, then scales the controls.
    void sizeFormToScreen(int percent);
    // Scales the controls to the screen's client area; the first call on a
    // scaler that has not captured yet only captures. The screen is repainted
    // once, after every control has moved.
    void resizeControls();

private:
    struct Record
    {
        QPointer<QObject> control;
        bool line = false;
        DesignGeometry geometry;
    };
    static Record recordOf(QObject* control);
    void capture();
    QSize clientSize() const;

    QWidget* canvas_ = nullptr;
    std::function<QList<QObject*>()> controls_;
    QSizeF original_;
    QList<Record> records_;
    bool needsCapture_ = true;
};
