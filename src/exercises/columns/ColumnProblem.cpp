// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnProblem.h"

#include "services/MessageKeys.h"
#include "services/TextForms.h"

namespace columns {

namespace {

Exchange exchangeFrom(Place place)
{
    return place == Units ? UnitsExchange : TensExchange;
}

} // namespace

ColumnProblem::ColumnProblem(ColumnRules rules) : rules_(rules) {}

void ColumnProblem::pose(ColumnNumbers numbers)
{
    top_ = digitsOf(numbers.top);
    bottom_ = digitsOf(numbers.bottom);
    if (rules_.operation == Operation::Addition) {
        for (Place p : Places)
            target_[p] = top_[p] + bottom_[p];
    } else {
        target_ = digitsOf(numbers.top - numbers.bottom);
    }

    for (Row row : {Top, Bottom}) {
        const Digits& d = row == Top ? top_ : bottom_;
        labels_[row][Units] = signedText(d[Units]);
        labels_[row][Tens] = d[Tens] != 0 || d[Hundreds] != 0 ? signedText(d[Tens]) : QString();
        labels_[row][Hundreds] = d[Hundreds] >= 1 ? signedText(d[Hundreds]) : QString();
        pending_[row] = digitCount(d);
        for (Place p : Places) {
            draggable_[row][p] = row == Top && !labels_[row][p].isEmpty();
            cells_[row][p].clear();
        }
    }
    for (QString& box : boxes_)
        box.clear();
    marksShown_ = {false, false};
    for (Exchange e : {UnitsExchange, TensExchange}) {
        departure_[e].clear();
        arrival_[e].clear();
    }
    result_.clear();
    phase_ = Phase::PlaceTop;
    moment_ = Moment::NewProblem;
}

QString ColumnProblem::hintKey() const
{
    // Done: no step is left to speak about, only "avanti".
    if (phase_ == Phase::Solved)
        return msg::ColumnSolvedHint;
    const int n = rules_.hints[static_cast<int>(moment_)];
    return n == 0 ? QString() : msg::hintKey(n);
}

bool ColumnProblem::boxOpen(Place place) const
{
    return openBox() == place;
}

std::optional<Place> ColumnProblem::openBox() const
{
    switch (phase_) {
    case Phase::TypeUnits:
        return Units;
    case Phase::TypeTens:
        return Tens;
    case Phase::TypeHundreds:
        return Hundreds;
    default:
        return std::nullopt;
    }
}

bool ColumnProblem::acceptsDigit(Row fromRow, Place fromPlace, Row cellRow, Place cellPlace) const
{
    const QString& dragged = labels_[fromRow][fromPlace];
    return draggable_[fromRow][fromPlace] && !dragged.isEmpty() && cells_[cellRow][cellPlace].isEmpty()
        && dragged == labels_[cellRow][cellPlace];
}

bool ColumnProblem::dropDigit(Row fromRow, Place fromPlace, Row cellRow, Place cellPlace)
{
    if (!acceptsDigit(fromRow, fromPlace, cellRow, cellPlace))
        return false;
    cells_[cellRow][cellPlace] = labels_[fromRow][fromPlace];
    // The cell's own label is placed now, whichever label brought its digit.
    draggable_[cellRow][cellPlace] = false;
    --pending_[cellRow];
    if (cellRow == Top)
        topRowChecked();
    else
        bottomRowChecked();
    return true;
}

// Each row is handled when its own count runs out. A label of the upper
// number may fill a lower cell with the same digit, so the lower row can be
// complete first; the boxes open only from the lower row's check.
void ColumnProblem::topRowChecked()
{
    if (pending_[Top] > 0)
        return;
    for (Place p : Places)
        draggable_[Bottom][p] = !labels_[Bottom][p].isEmpty();
    moment_ = Moment::TopPlaced;
    if (phase_ == Phase::PlaceTop)
        phase_ = Phase::PlaceBottom;
}

void ColumnProblem::bottomRowChecked()
{
    if (pending_[Bottom] > 0)
        return;
    if (rules_.operation == Operation::Subtraction && rules_.exchanges)
        unitsExchangeTest();
    else
        startTyping(Phase::TypeUnits, Moment::BottomPlaced);
}

void ColumnProblem::startTyping(Phase typing, Moment moment)
{
    phase_ = typing;
    moment_ = moment;
}

// Subtraction: the units borrow before they are typed, as soon as the
// upper digit is the smaller.
void ColumnProblem::unitsExchangeTest()
{
    if (top_[Units] < bottom_[Units]) {
        marksShown_[UnitsExchange] = true;
        phase_ = Phase::MoveUnitsExchange;
        moment_ = Moment::UnitsExchange;
    } else {
        startTyping(Phase::TypeUnits, Moment::UnitsNoExchange);
    }
}

// The tens have lent one ten when the units borrowed (their upper digit has
// been raised to 10 or more).
void ColumnProblem::tensExchangeTest()
{
    const int lent = top_[Units] >= 10 ? 1 : 0;
    if (top_[Tens] - lent < bottom_[Tens]) {
        marksShown_[TensExchange] = true;
        phase_ = Phase::MoveTensExchange;
        moment_ = Moment::TensExchange;
    } else {
        startTyping(Phase::TypeTens, Moment::TensNoExchange);
    }
}

bool ColumnProblem::acceptsExchange(Exchange departure, Exchange arrival) const
{
    return departure == arrival && marksShown_[arrival] && arrival_[arrival].isEmpty();
}

bool ColumnProblem::dropExchange(Exchange departure, Exchange arrival)
{
    if (!acceptsExchange(departure, arrival))
        return false;
    const Exchange e = arrival;
    if (rules_.operation == Operation::Addition) {
        arrival_[e] = departure_[e];
        departure_[e].clear();
        if (e == UnitsExchange) {
            ++target_[Tens];
            startTyping(Phase::TypeTens, Moment::UnitsExchangeMoved);
        } else {
            ++target_[Hundreds];
            startTyping(Phase::TypeHundreds, Moment::TensExchangeMoved);
        }
    } else {
        arrival_[e] = QStringLiteral("1");
        departure_[e] = QStringLiteral("-1");
        const Place receiving = e == UnitsExchange ? Units : Tens;
        top_[receiving] += 10;
        boxes_[receiving].clear();
        if (e == UnitsExchange)
            startTyping(Phase::TypeUnits, Moment::UnitsExchangeMoved);
        else
            startTyping(Phase::TypeTens, Moment::TensExchangeMoved);
    }
    return true;
}

void ColumnProblem::setBoxText(Place place, const QString& text)
{
    boxes_[place] = text;
}

// An empty box is the answer 0 only where 0 is sure to be right: in an
// addition where the column needs 0, in a subtraction where the upper digit
// (with any ten it received) is 0. Elsewhere the child must type the 0.
bool ColumnProblem::emptyBoxCountsAsZero(Place place) const
{
    if (rules_.operation == Operation::Addition)
        return target_[place] == 0;
    return top_[place] == 0;
}

Judgement ColumnProblem::enter(Place place)
{
    if (!boxOpen(place))
        return Judgement::Ignored;
    const QString& typed = boxes_[place];
    if (typed.isEmpty() && !emptyBoxCountsAsZero(place))
        return Judgement::Ignored;
    if (lenientNumber(typed) != target_[place])
        return place == Hundreds ? Judgement::WrongErrorSound : Judgement::WrongBeep;
    return accept(place);
}

Judgement ColumnProblem::accept(Place place)
{
    if (place == Hundreds) {
        phase_ = Phase::Solved;
        result_ = signedText(valueOf(target_));
        return Judgement::Solved;
    }
    if (rules_.operation == Operation::Addition) {
        if (rules_.exchanges && target_[place] >= 10)
            startAdditionExchange(place);
        else if (place == Units)
            startTyping(Phase::TypeTens, Moment::UnitsAccepted);
        else
            startTyping(Phase::TypeHundreds, Moment::TensAccepted);
    } else {
        if (place == Tens)
            startTyping(Phase::TypeHundreds, Moment::TensAccepted);
        else if (rules_.exchanges)
            tensExchangeTest();
        else
            startTyping(Phase::TypeTens, Moment::UnitsAccepted);
    }
    return Judgement::Right;
}

// Addition: a column sum of ten or more keeps its units digit in the box
// and sends the ten, as the mark "1", to the next column.
void ColumnProblem::startAdditionExchange(Place place)
{
    const Exchange e = exchangeFrom(place);
    marksShown_[e] = true;
    departure_[e] = QStringLiteral("1");
    arrival_[e].clear();
    target_[place] -= 10;
    boxes_[place] = signedText(target_[place]);
    phase_ = e == UnitsExchange ? Phase::MoveUnitsExchange : Phase::MoveTensExchange;
    moment_ = e == UnitsExchange ? Moment::UnitsExchange : Moment::TensExchange;
}

} // namespace columns
