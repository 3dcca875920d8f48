// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/columns/ColumnNumbers.h"

#include <QString>
#include <array>
#include <optional>

namespace columns {

enum class Operation { Addition, Subtraction };
// The grid rows the numbers are dragged into.
enum Row { Top = 0, Bottom = 1 };
// The two exchanges: from the units to the tens, from the tens to the
// hundreds. Each has a departure mark, which the child drags, and an
// arrival mark, where it is dropped.
enum Exchange { UnitsExchange = 0, TensExchange = 1 };

// The moments of a problem that the hint line speaks about. Which ones a
// screen reaches depends on its operation and on whether it has exchanges.
enum class Moment {
    NewProblem,        // place the upper number's digits
    TopPlaced,         // place the lower number's digits
    BottomPlaced,      // type the units (no exchange to check first)
    UnitsNoExchange,   // subtraction: the units need no exchange, type them
    UnitsExchange,     // move the units exchange
    UnitsExchangeMoved,
    UnitsAccepted,     // type the tens
    TensNoExchange,    // subtraction: the tens need no exchange, type them
    TensExchange,      // move the tens exchange
    TensExchangeMoved,
    TensAccepted,      // type the hundreds
};
inline constexpr int MomentCount = 11;

enum class Phase {
    PlaceTop,
    PlaceBottom,
    MoveUnitsExchange,
    TypeUnits,
    MoveTensExchange,
    TypeTens,
    TypeHundreds,
    Solved,
};

// What the check of a result box found.
enum class Judgement {
    Ignored,         // no box open there, or an empty box where 0 is not allowed
    WrongBeep,       // a wrong units or tens digit: the plain warning beep
    WrongErrorSound, // a wrong hundreds digit: the error sound
    Right,           // accepted; the problem goes on
    Solved,          // the hundreds accepted: the problem is done
};

// What makes one column screen differ from another in its rules.
struct ColumnRules
{
    Operation operation = Operation::Addition;
    bool exchanges = false;                  // the screen has exchange marks
    std::array<int, MomentCount> hints{};    // message number per Moment, 0 where never shown
};

// One column addition or subtraction as the child works it: the digits
// dragged from the text line into the grid, the result typed column by
// column from the units, and the exchanges moved by dragging their marks.
//
// The model holds everything the screen shows; the screen asks it after
// every action and draws what it says. Texts are the ones the screen
// writes: numbers in the signed form (a blank, then the digits), exchange
// marks "1", "-1" or empty.
class ColumnProblem
{
public:
    explicit ColumnProblem(ColumnRules rules);

    const ColumnRules& rules() const { return rules_; }

    // Clears the grid, the boxes, the result and the marks and poses the two
    // numbers: the upper number's labels that show a digit become draggable.
    void pose(ColumnNumbers numbers);

    // --- what the screen shows ---------------------------------------------
    Phase phase() const { return phase_; }
    Moment moment() const { return moment_; }
    // The message number of the moment ("0098"), empty if the screen has
    // none; once solved, the closing message (msg::ColumnSolvedHint).
    QString hintKey() const;

    // Digit labels of the text line: the units digit always, the tens digit
    // when it or the hundreds digit is not 0, the hundreds digit when it is
    // not 0; otherwise empty.
    QString labelText(Row row, Place place) const { return labels_[row][place]; }
    bool labelDraggable(Row row, Place place) const { return draggable_[row][place]; }
    QString cellText(Row row, Place place) const { return cells_[row][place]; }

    // At most one result box is open at a time; it is the one to focus.
    bool boxOpen(Place place) const;
    std::optional<Place> openBox() const;
    QString boxText(Place place) const { return boxes_[place]; }

    bool marksShown(Exchange e) const { return marksShown_[e]; }
    QString departureText(Exchange e) const { return departure_[e]; }
    QString arrivalText(Exchange e) const { return arrival_[e]; }

    // The whole result, written when the problem is solved.
    QString resultText() const { return result_; }

    // --- the model's numbers -----------------------------------------------
    int topDigit(Place p) const { return top_[p]; }
    int bottomDigit(Place p) const { return bottom_[p]; }
    int target(Place p) const { return target_[p]; }
    int pendingTop() const { return pending_[Top]; }
    int pendingBottom() const { return pending_[Bottom]; }

    // --- what the child does -----------------------------------------------
    // A digit label dropped on a grid cell: accepted when the label may be
    // dragged, the cell is empty and the label shows the same text as the
    // cell's own label (so a 3 of the units may fill the tens cell of 33).
    bool acceptsDigit(Row fromRow, Place fromPlace, Row cellRow, Place cellPlace) const;
    bool dropDigit(Row fromRow, Place fromPlace, Row cellRow, Place cellPlace);

    // A departure mark dropped on an arrival mark: accepted when both are
    // shown, they belong to the same exchange and the arrival mark is empty.
    bool acceptsExchange(Exchange departure, Exchange arrival) const;
    bool dropExchange(Exchange departure, Exchange arrival);

    // The text the child has typed into a result box.
    void setBoxText(Place place, const QString& text);
    // Enter released over a result box: the typed text, read leniently, is
    // compared with what the column needs.
    Judgement enter(Place place);

private:
    void topRowChecked();
    void bottomRowChecked();
    void unitsExchangeTest();
    void tensExchangeTest();
    void startTyping(Phase typing, Moment moment);
    bool emptyBoxCountsAsZero(Place place) const;
    Judgement accept(Place place);
    void startAdditionExchange(Place place);

    ColumnRules rules_;
    Phase phase_ = Phase::PlaceTop;
    Moment moment_ = Moment::NewProblem;

    Digits top_{}, bottom_{}, target_{};
    std::array<int, 2> pending_{};

    std::array<std::array<QString, 3>, 2> labels_;
    std::array<std::array<bool, 3>, 2> draggable_{};
    std::array<std::array<QString, 3>, 2> cells_;
    std::array<QString, 3> boxes_;
    std::array<bool, 2> marksShown_{};
    std::array<QString, 2> departure_;
    std::array<QString, 2> arrival_;
    QString result_;
};

} // namespace columns
