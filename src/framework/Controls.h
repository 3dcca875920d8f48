// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <optional>

class QSvgRenderer;

// Every control of a screen carries its design name as objectName and, for
// an element of a control array, its index in the property "index". The
// design "Tag" is the property "tag". Menus are controls too: their QAction
// carries the name.
namespace control {
QString name(const QObject* c);
int index(const QObject* c);                 // -1 for a single control
void setIdentity(QObject* c, const QString& name, int index = -1);
// "N" or "N(I)", the way the language files name a control.
QString key(const QObject* c);

// The caption a child reads; nullopt for controls without one.
std::optional<QString> caption(const QObject* c);
bool setCaption(QObject* c, const QString& text);
QString tag(const QObject* c);
void setTag(QObject* c, const QString& tag);
// Tooltips are plain text too: one that looks like markup is shown as it
// is written, brackets and all. toolTip() gives the text as set.
QString toolTip(const QObject* c);
void setToolTip(QObject* c, const QString& text);
// A text as a tooltip must be given to Qt to show it as written: escaped
// when Qt would take it for markup (which could load pictures named in it
// or lay out nested tables without end), else as it is. Every tooltip the
// program shows goes through here, those ChildStyle shows for cut captions
// too.
QString shownToolTip(const QString& text);
// Texts from language files are shown as plain text, never as markup: a
// label would otherwise load pictures named in a caption, or lay out
// nested tables without end. Every control a screen registers is set so.
void showPlainText(QObject* c);

// A control whose place the screen computes itself (from the problem on
// show) rather than from its design place: the layout scaler leaves it
// alone, and the screen places it again in its after-rescale hook.
void setComputedLayout(QWidget* w, bool computed = true);
bool hasComputedLayout(const QObject* c);

// A fixed colour behind the control. Only for colours that never change:
// each new palette stays in Qt's style cache (random colours are painted).
void fillBackground(QWidget* w, const QColor& colour);
// The property a widget that paints a colour behind its children (a
// screen's canvas) keeps that colour in, so that texts drawn on it can be
// made to read on it.
inline constexpr char BackgroundProperty[] = "paintedBackground";
// The pale yellow of the choice frames drawn over an exercise.
inline const QColor ChoiceBackground(255, 255, 224);
} // namespace control

// A straight line between two end points given in its parent's coordinates.
// Its widget geometry follows the end points; the layout scaler moves the end
// points, never the box.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);
    QLineF ends() const { return ends_; }
    void setEnds(const QLineF& ends);
    void setColour(const QColor& c) { colour_ = c; update(); }
    QColor colour() const { return colour_; }
    void setThickness(int px) { thickness_ = px; setEnds(ends_); }
    // Drawn one pixel wider on each side under the line; invalid: none.
    void setOutline(const QColor& c) { outline_ = c; setEnds(ends_); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLineF ends_;
    QColor colour_ = Qt::black;
    QColor outline_;
    int thickness_ = 2;
};

// A filled rectangle, rounded rectangle or ellipse.
class ShapeControl : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Rectangle, RoundedRectangle, Ellipse };
    explicit ShapeControl(Kind kind, QWidget* parent = nullptr);
    void setFill(const QColor& c) { fill_ = c; update(); }
    QColor fill() const { return fill_; }
    void setBorder(const QColor& c) { border_ = c; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor fill_ = Qt::white;
    QColor border_ = Qt::black;
};

// A picture drawn from an SVG resource, stretched to the control: crisp at
// any display size. A missing picture leaves the box empty.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(const QString& svgResource = {}, QWidget* parent = nullptr);
    void setPicture(const QString& svgResource);
    QString picture() const { return resource_; }
    void setBackground(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString resource_;
    QSvgRenderer* renderer_ = nullptr;
};

// A push button that shows a picture above its caption; the picture grows
// and shrinks with the button.
class PictureButton : public QPushButton
{
    Q_OBJECT
public:
    explicit PictureButton(const QString& caption, const QString& svgResource, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* e) override;
};

// The fonts of the design ("Arial", "Comic Sans MS"), bold unless said.
QFont designFont(const QString& family, double points, bool bold = true);

// Mouse pointers drawn from SVG resources.
QCursor svgCursor(const QString& svgResource, int size = 40, QPoint hotSpot = {0, 0});
// Gives `widget` such a pointer, drawn when the mouse first comes over the
// widget: a screen nobody points at (its first frame, a child at the keys,
// a touch screen) draws none, and the program's first window comes sooner
// and smaller (the first pointer drawn brings in much of the SVG renderer,
// the maths library and the X cursor code).
void setSvgCursor(QWidget* widget, const QString& svgResource, int size = 40, QPoint hotSpot = {0, 0});
