// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <QWidget>

class QKeyEvent;
class Screen;

// One square of a table: a painted box with a text, a fill colour and a
// border. Colours are painted, never put into palettes: they change with
// every problem, and each new palette would stay in Qt's style cache. A
// clickable cell takes the pointer and, when focused, Space or Enter. A
// screen reader hears its text, or the accessible name a screen gives it
// (framework/SpokenNames), and can press a clickable cell.
class Cell : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit Cell(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    void setFill(const QColor& fill);
    QColor fill() const { return fill_; }
    void setTextColour(const QColor& colour);
    QColor textColour() const { return textColour_; }
    void setBorder(const QColor& colour);
    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString text_;
    QColor fill_ = Qt::white;
    QColor textColour_ = Qt::black;
    QColor border_ = Qt::black;
    bool clickable_ = false;
};

// Many equal cells placed by index, in rows or in columns, as the control
// array `name(0)` .. `name(count - 1)` of a screen: translation, the layout
// scaler and the tests find them like any other control.
//
// The grid is one tab stop, whatever its size: Tab comes to its current
// cell (the first at the start, then the one last visited or clicked) and
// leaves it for the next control. Inside, the keys move the focus, and
// with it what a screen reader says, from cell to cell as they stand on
// the screen: the arrows by one, Home and End to the ends of the row,
// Page Up and Page Down to the ends of the column, Ctrl+Home and Ctrl+End
// to the first and the last cell. Space or Enter presses a clickable cell.
// A key pressed where the move would leave the grid changes nothing.
class CellGrid : public QObject
{
    Q_OBJECT
public:
    struct Layout
    {
        QString name;            // design name of the control array
        int count = 100;
        int perLine = 10;        // cells in a row (or in a column, byColumns)
        bool byColumns = false;  // index runs down the columns
        QPointF origin;          // design place of cell 0, twips
        QSizeF cell;             // size of a cell, twips
        QSizeF pitch;            // from one cell to the next across and down, twips
        QFont font;
    };

    CellGrid(Screen& screen, const Layout& layout, QWidget* container = nullptr);

    int count() const { return static_cast<int>(cells_.size()); }
    Cell* cell(int index) const { return index >= 0 && index < count() ? cells_[index] : nullptr; }
    const QList<Cell*>& cells() const { return cells_; }
    // The cell Tab comes to.
    int current() const { return current_; }
    void setCurrent(int index);
    // Design place of a cell, twips.
    static QRectF designPlace(const Layout& layout, int index);

signals:
    void clicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a key takes the focus from a cell; -1: nowhere.
    int moved(int from, const QKeyEvent* key) const;
    // Column and row of a cell as it stands on the screen, and back.
    QPoint spot(int index) const;
    int indexAt(QPoint spot) const;
    void setPolicies();

    QList<Cell*> cells_;
    int perLine_ = 1;
    bool byColumns_ = false;
    int current_ = 0;
};
