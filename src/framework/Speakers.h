// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QPointF>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QPushButton;
class QWidget;
class SpokenNames;

// The speaker buttons of a screen: a loudspeaker beside each instruction
// line and each number in words, which says aloud what the line shows
// (through AppContext::speech, in the language of the number words). F2
// says every line that has a speaker on show, in reading order.
//
// A button is at least a fingertip wide (ChildStyle::FingerTip) and grows
// with the screen. It stands beside its line where it covers nothing a
// control on show shows (see shownRect) and stays on the canvas: right of the line's text, else left of it,
// else beside the line's box, above or below its text's end, else further
// along the text's row (or the rows above and below it), else on the free
// spot of the canvas nearest to the text; with no room at all (a frame of
// options over the whole canvas) it is not shown. Placed again after every rescale and whenever a
// text or a control's visibility changes (the canvas hears of it). A button
// is on show while its line is and has something to say, unless the
// screen's own condition (`shown`) says no, as for words that would give
// the answer away.
class Speakers : public QObject
{
public:
    // The button's side in design twips, before the fingertip minimum.
    static constexpr double SideTwips = 420;

    // The buttons of `window` stand on `canvas` and are named through
    // `names`; `scale` gives the canvas's pixels per design twip, across and
    // down, and `say` says a text aloud (a screen's own: see Screen).
    Speakers(QWidget* window, QWidget* canvas, SpokenNames& names, std::function<QPointF()> scale,
             std::function<void(const QString&)> say);

    // A button beside `line` that says said() aloud; a screen reader calls
    // it by the message string nameKey. `shown` (if given) must also hold
    // for the button to be on show.
    QPushButton* add(QWidget* line, const QString& nameKey, std::function<QString()> said,
                     std::function<bool()> shown = {});

    // Places (and shows or hides) every button anew.
    void place();
    // The same, from the event loop, once for any number of asks.
    void placeSoon();
    // Says every line whose button is on show, in reading order (F2).
    void sayAll();
    // What sayAll() says, before it is made lower case.
    QString allSaid() const;

    QList<QPushButton*> buttons() const;
    // The line a button stands beside; null for none of these buttons.
    QWidget* lineOf(const QPushButton* button) const;
    // Where the text of a line is drawn, in the canvas's pixels.
    static QRect textRect(const QWidget* line);
    // Where a control shows something, in the canvas's pixels: a label
    // that paints no box of its own only where its text is, any other
    // control its whole box. A button covers none of this.
    static QRect shownRect(const QWidget* w);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Speaker
    {
        QPointer<QPushButton> button;
        QPointer<QWidget> line;
        std::function<QString()> said;
        std::function<bool()> shown;
    };
    bool onShow(const Speaker& s) const;
    std::optional<QRect> placeFor(const Speaker& s, int side, const QList<QRect>& taken) const;
    void say(const QString& text) const;

    QWidget* canvas_;
    SpokenNames& names_;
    std::function<QPointF()> scale_;
    std::function<void(const QString&)> say_;
    QList<Speaker> speakers_;
    QAction* key_ = nullptr;
    bool placing_ = false;
};
