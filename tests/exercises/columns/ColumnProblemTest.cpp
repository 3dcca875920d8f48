// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/columns/ColumnProblem.h"
#include "exercises/columns/ColumnVariants.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <vector>

using namespace columns;

namespace {

// A problem of one of the screens, posed with chosen numbers.
struct Worked
{
    ColumnProblem p;

    Worked(const char* screen, int top, int bottom) : p(columnVariant(QString::fromLatin1(screen))->rules)
    {
        p.pose({top, bottom});
    }
    // Every digit not yet placed into its own cell, the upper row first.
    void placeDigits()
    {
        for (Row row : {Top, Bottom})
            for (Place place : Places)
                if (!p.labelText(row, place).isEmpty() && p.cellText(row, place).isEmpty())
                    EXPECT_TRUE(p.dropDigit(row, place, row, place)) << "row " << row << " place " << place;
    }
    Judgement type(Place place, const QString& text)
    {
        p.setBoxText(place, text);
        return p.enter(place);
    }
    // Everything the screen would show, to see that a refused action
    // changes nothing.
    QStringList shown() const
    {
        QStringList s{QString::number(int(p.phase())), p.hintKey(), p.resultText(),
                      QString::number(p.pendingTop()), QString::number(p.pendingBottom())};
        for (Row row : {Top, Bottom})
            for (Place place : Places)
                s << p.labelText(row, place) << QString::number(p.labelDraggable(row, place))
                  << p.cellText(row, place);
        for (Place place : Places)
            s << p.boxText(place) << QString::number(p.boxOpen(place)) << QString::number(p.target(place))
              << QString::number(p.topDigit(place));
        for (Exchange e : {UnitsExchange, TensExchange})
            s << QString::number(p.marksShown(e)) << p.departureText(e) << p.arrivalText(e);
        return s;
    }
};

} // namespace

TEST(ColumnProblem, AFreshProblemShowsOnlyTheUpperDigitsToDrag)
{
    Worked w("FormColb", 57, 308);
    EXPECT_EQ(w.p.phase(), Phase::PlaceTop);
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0107"));
    // 57 has no hundreds label; 308 shows its 0 of the tens.
    EXPECT_EQ(w.p.labelText(Top, Hundreds), QString());
    EXPECT_EQ(w.p.labelText(Top, Tens), QStringLiteral(" 5"));
    EXPECT_EQ(w.p.labelText(Top, Units), QStringLiteral(" 7"));
    EXPECT_EQ(w.p.labelText(Bottom, Tens), QStringLiteral(" 0"));
    EXPECT_EQ(w.p.pendingTop(), 2);
    EXPECT_EQ(w.p.pendingBottom(), 3);
    for (Place place : Places) {
        EXPECT_EQ(w.p.labelDraggable(Top, place), place != Hundreds);
        EXPECT_FALSE(w.p.labelDraggable(Bottom, place));
        EXPECT_FALSE(w.p.boxOpen(place));
    }
    EXPECT_FALSE(w.p.marksShown(UnitsExchange));
    EXPECT_FALSE(w.p.marksShown(TensExchange));
}

TEST(ColumnProblem, FiftySevenPlusSixtyEightCarriesTwice)
{
    Worked w("FormColb", 57, 68);
    w.placeDigits();
    EXPECT_EQ(w.p.phase(), Phase::TypeUnits);
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0109"));

    // The units box wants the whole column sum.
    EXPECT_EQ(w.type(Units, QStringLiteral("5")), Judgement::WrongBeep);
    EXPECT_EQ(w.p.boxText(Units), QStringLiteral("5"));
    EXPECT_TRUE(w.p.boxOpen(Units));
    EXPECT_EQ(w.type(Units, QStringLiteral("15")), Judgement::Right);
    EXPECT_EQ(w.p.boxText(Units), QStringLiteral(" 5"));
    EXPECT_EQ(w.p.departureText(UnitsExchange), QStringLiteral("1"));
    EXPECT_EQ(w.p.arrivalText(UnitsExchange), QString());
    EXPECT_TRUE(w.p.marksShown(UnitsExchange));
    EXPECT_EQ(w.p.openBox(), std::nullopt);
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0105"));

    EXPECT_TRUE(w.p.dropExchange(UnitsExchange, UnitsExchange));
    EXPECT_EQ(w.p.departureText(UnitsExchange), QString());
    EXPECT_EQ(w.p.arrivalText(UnitsExchange), QStringLiteral("1"));
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0102"));
    EXPECT_EQ(w.type(Tens, QStringLiteral("11")), Judgement::WrongBeep);
    EXPECT_EQ(w.type(Tens, QStringLiteral("12")), Judgement::Right);
    EXPECT_EQ(w.p.boxText(Tens), QStringLiteral(" 2"));
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0103"));

    EXPECT_TRUE(w.p.dropExchange(TensExchange, TensExchange));
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0101"));
    // The hundreds box was empty by design, but now needs the carried 1.
    EXPECT_EQ(w.type(Hundreds, QString()), Judgement::Ignored);
    EXPECT_EQ(w.type(Hundreds, QStringLiteral("0")), Judgement::WrongErrorSound);
    EXPECT_EQ(w.p.resultText(), QString());
    EXPECT_EQ(w.type(Hundreds, QStringLiteral("1")), Judgement::Solved);
    EXPECT_EQ(w.p.phase(), Phase::Solved);
    EXPECT_EQ(w.p.resultText(), QStringLiteral(" 125"));
    EXPECT_EQ(w.p.openBox(), std::nullopt);
}

TEST(ColumnProblem, FourPlusThreeNeedsOneDropPerRowAndTakesEmptyBoxesForZero)
{
    for (const QString& zero : {QString(), QStringLiteral("0")}) {
        SCOPED_TRACE(zero.toStdString());
        Worked w("FormCola", 4, 3);
        for (Row row : {Top, Bottom}) {
            EXPECT_EQ(w.p.labelText(row, Hundreds), QString());
            EXPECT_EQ(w.p.labelText(row, Tens), QString());
        }
        EXPECT_TRUE(w.p.dropDigit(Top, Units, Top, Units));
        EXPECT_EQ(w.p.phase(), Phase::PlaceBottom);
        EXPECT_EQ(w.p.hintKey(), QStringLiteral("0099"));
        EXPECT_TRUE(w.p.labelDraggable(Bottom, Units));
        EXPECT_TRUE(w.p.dropDigit(Bottom, Units, Bottom, Units));
        EXPECT_EQ(w.p.hintKey(), QStringLiteral("0100"));
        EXPECT_EQ(w.type(Units, QStringLiteral("7")), Judgement::Right);
        EXPECT_EQ(w.p.hintKey(), QStringLiteral("0097"));
        EXPECT_EQ(w.type(Tens, zero), Judgement::Right);
        EXPECT_EQ(w.p.hintKey(), QStringLiteral("0096"));
        EXPECT_EQ(w.type(Hundreds, zero), Judgement::Solved);
        EXPECT_EQ(w.p.resultText(), QStringLiteral(" 7"));
    }
}

TEST(ColumnProblem, ALabelMayFillAnyCellThatShowsTheSameDigit)
{
    Worked w("FormCola", 33, 4);
    // The units 3 dropped on the tens cell: the tens label is placed by it.
    EXPECT_TRUE(w.p.dropDigit(Top, Units, Top, Tens));
    EXPECT_EQ(w.p.cellText(Top, Tens), QStringLiteral(" 3"));
    EXPECT_FALSE(w.p.labelDraggable(Top, Tens));
    EXPECT_TRUE(w.p.labelDraggable(Top, Units));
    EXPECT_EQ(w.p.pendingTop(), 1);
    EXPECT_TRUE(w.p.dropDigit(Top, Units, Top, Units));
    EXPECT_EQ(w.p.phase(), Phase::PlaceBottom);
}

// The lower row counts its own cells, whichever label fills them: it can be
// complete before the upper row, and then the units box opens first.
TEST(ColumnProblem, TheLowerRowMayBeCompletedByAnUpperLabel)
{
    Worked w("FormCola", 13, 3);
    EXPECT_TRUE(w.p.dropDigit(Top, Units, Bottom, Units));
    EXPECT_EQ(w.p.pendingBottom(), 0);
    EXPECT_EQ(w.p.pendingTop(), 2);
    EXPECT_TRUE(w.p.boxOpen(Units));
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0100"));
    EXPECT_TRUE(w.p.dropDigit(Top, Units, Top, Units));
    EXPECT_TRUE(w.p.dropDigit(Top, Tens, Top, Tens));
    EXPECT_EQ(w.p.hintKey(), QStringLiteral("0099"));
    EXPECT_TRUE(w.p.boxOpen(Units));
}

TEST(ColumnProblem, RefusedDropsChangeNothing)
{
    Worked w("FormColb", 57, 68);
    const QStringList fresh = w.shown();
    EXPECT_FALSE(w.p.dropDigit(Top, Units, Top, Tens));        // a 7 on the cell of a 5
    EXPECT_FALSE(w.p.dropDigit(Bottom, Units, Bottom, Units)); // the lower number is not yet to drag
    EXPECT_FALSE(w.p.dropDigit(Top, Hundreds, Top, Hundreds)); // an empty label
    EXPECT_EQ(w.shown(), fresh);

    EXPECT_TRUE(w.p.dropDigit(Top, Units, Top, Units));
    const QStringList oneDrop = w.shown();
    EXPECT_FALSE(w.p.dropDigit(Top, Units, Top, Units));       // the cell is filled
    EXPECT_FALSE(w.p.dropDigit(Top, Tens, Top, Units));
    EXPECT_FALSE(w.p.dropExchange(UnitsExchange, UnitsExchange)); // no exchange yet
    EXPECT_EQ(w.shown(), oneDrop);

    w.placeDigits();
    EXPECT_EQ(w.type(Units, QStringLiteral("15")), Judgement::Right);
    const QStringList moving = w.shown();
    EXPECT_FALSE(w.p.dropExchange(UnitsExchange, TensExchange)); // the tens arrival is not shown
    EXPECT_FALSE(w.p.dropExchange(TensExchange, UnitsExchange));
    EXPECT_EQ(w.p.enter(Tens), Judgement::Ignored); // no box is open
    EXPECT_EQ(w.shown(), moving);

    EXPECT_TRUE(w.p.dropExchange(UnitsExchange, UnitsExchange));
    const QStringList moved = w.shown();
    EXPECT_FALSE(w.p.dropExchange(UnitsExchange, UnitsExchange)); // the arrival mark is filled
    EXPECT_EQ(w.shown(), moved);
}

// Enter on an empty box: 0 where 0 is sure to be right, ignored elsewhere.
// Any text is read leniently; nothing typed can break the check.
TEST(ColumnProblem, TypedTextIsReadLenientlyAndAnEmptyBoxOnlyWhereZeroIsRight)
{
    struct Case
    {
        const char* screen;
        int top, bottom;
        const char* typed;
        Judgement units;
    };
    const Case cases[] = {
        {"FormCola", 21, 13, "", Judgement::Ignored},  // needs 4
        {"FormCola", 20, 10, "", Judgement::Right},    // needs 0
        {"FormCola", 21, 13, " 4", Judgement::Right},
        {"FormCola", 21, 13, "04", Judgement::Right},
        {"FormCola", 21, 13, "4.", Judgement::Right},
        {"FormCola", 21, 13, "4a", Judgement::Right},
        {"FormCola", 21, 13, "a4", Judgement::WrongBeep},
        {"FormCola", 20, 10, "x", Judgement::Right},   // a letter alone reads 0
        {"FormCola", 21, 13, "-4", Judgement::WrongBeep},
        {"FormColb", 58, 7, "15", Judgement::Right},   // two characters fit a carry
        {"FormColb", 58, 7, "5", Judgement::WrongBeep},
        {"Form33", 30, 10, "", Judgement::Right},      // the minuend's units are 0
        {"Form34", 35, 15, "", Judgement::Ignored},    // needs 0, but 5 is there
        {"Form34", 35, 15, "0", Judgement::Right},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen << " " << c.top << ", " << c.bottom << " typed '" << c.typed << "'");
        Worked w(c.screen, c.top, c.bottom);
        w.placeDigits();
        ASSERT_TRUE(w.p.boxOpen(Units));
        const QStringList before = w.shown();
        EXPECT_EQ(w.type(Units, QString::fromUtf8(c.typed)), c.units);
        if (c.units == Judgement::Ignored)
            EXPECT_EQ(w.shown(), before);
    }
}

TEST(ColumnProblem, AClosedBoxIgnoresEnter)
{
    Worked w("FormCola", 21, 13);
    w.placeDigits();
    EXPECT_EQ(w.type(Tens, QStringLiteral("3")), Judgement::Ignored);
    EXPECT_EQ(w.type(Units, QStringLiteral("4")), Judgement::Right);
    EXPECT_EQ(w.type(Units, QStringLiteral("4")), Judgement::Ignored);
    EXPECT_TRUE(w.p.boxOpen(Tens));
}

// Subtraction borrows before the column is typed: the marks appear empty,
// the departure ends as "-1" over the lending column and the arrival as "1"
// beside the digit that received.
TEST(ColumnProblem, SubtractionsBorrowBeforeTheColumnIsTyped)
{
    struct Case
    {
        const char* screen;
        int minuend, subtrahend;
        bool unitsExchange;
        const char* units;
        bool tensExchange;
        const char* tens;
        const char* hundreds;
        std::vector<const char*> hints;
        const char* result;
    };
    const Case cases[] = {
        {"Form34", 352, 148, true, "4", false, "0", "2", {"0072", "0073", "0074", "0070", "0077", "0071"}, " 204"},
        {"Form34", 452, 158, true, "4", true, "9", "2", {"0072", "0073", "0074", "0070", "0075", "0069", "0071"}, " 294"},
        {"Form34", 503, 108, true, "5", true, "9", "3", {"0072", "0073", "0074", "0070", "0075", "0069", "0071"}, " 395"},
        {"Form37", 352, 158, true, "4", true, "9", "1", {"0090", "0091", "0092", "0088", "0093", "0087", "0089"}, " 194"},
        {"Form36", 361, 127, true, "4", false, "3", "2", {"0081", "0082", "0083", "0079", "0086", "0080"}, " 234"},
        {"Form36", 416, 152, false, "4", true, "6", "2", {"0081", "0082", "0085", "0084", "0078", "0080"}, " 264"},
        {"Form34", 387, 125, false, "2", false, "6", "2", {"0072", "0073", "0076", "0077", "0071"}, " 262"},
        {"Form33", 387, 125, false, "2", false, "6", "2", {"0066", "0067", "0068", "0065", "0064"}, " 262"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen << " " << c.minuend << " - " << c.subtrahend);
        Worked w(c.screen, c.minuend, c.subtrahend);
        QStringList hints{w.p.hintKey()};
        EXPECT_TRUE(w.p.dropDigit(Top, Units, Top, Units));
        EXPECT_TRUE(w.p.dropDigit(Top, Tens, Top, Tens));
        EXPECT_TRUE(w.p.dropDigit(Top, Hundreds, Top, Hundreds));
        hints << w.p.hintKey();
        w.placeDigits();
        hints << w.p.hintKey();

        const int upperUnits = w.p.topDigit(Units);
        if (c.unitsExchange) {
            EXPECT_TRUE(w.p.marksShown(UnitsExchange));
            EXPECT_EQ(w.p.departureText(UnitsExchange), QString());
            EXPECT_EQ(w.p.openBox(), std::nullopt);
            EXPECT_EQ(w.type(Units, QString::fromLatin1(c.units)), Judgement::Ignored);
            EXPECT_TRUE(w.p.dropExchange(UnitsExchange, UnitsExchange));
            EXPECT_EQ(w.p.departureText(UnitsExchange), QStringLiteral("-1"));
            EXPECT_EQ(w.p.arrivalText(UnitsExchange), QStringLiteral("1"));
            EXPECT_EQ(w.p.topDigit(Units), upperUnits + 10);
            EXPECT_EQ(w.p.boxText(Units), QString()); // emptied of what was typed before
            hints << w.p.hintKey();
        } else {
            EXPECT_FALSE(w.p.marksShown(UnitsExchange));
        }
        EXPECT_EQ(w.type(Units, QStringLiteral("8")), Judgement::WrongBeep);
        EXPECT_EQ(w.type(Units, QString::fromLatin1(c.units)), Judgement::Right);
        hints << w.p.hintKey();

        EXPECT_EQ(w.p.marksShown(TensExchange), c.tensExchange);
        if (c.tensExchange) {
            EXPECT_EQ(w.p.openBox(), std::nullopt);
            EXPECT_TRUE(w.p.dropExchange(TensExchange, TensExchange));
            EXPECT_EQ(w.p.departureText(TensExchange), QStringLiteral("-1"));
            EXPECT_EQ(w.p.arrivalText(TensExchange), QStringLiteral("1"));
            hints << w.p.hintKey();
        }
        EXPECT_EQ(w.type(Tens, QString::fromLatin1(c.tens)), Judgement::Right);
        hints << w.p.hintKey();
        EXPECT_EQ(w.type(Hundreds, QStringLiteral("7")), Judgement::WrongErrorSound);
        EXPECT_EQ(w.type(Hundreds, QString::fromLatin1(c.hundreds)), Judgement::Solved);
        EXPECT_EQ(w.p.resultText(), QString::fromLatin1(c.result));
        hints << w.p.hintKey();

        QStringList expected;
        for (const char* h : c.hints)
            expected << QString::fromLatin1(h);
        expected << QStringLiteral("0600");  // done: the closing message
        EXPECT_EQ(hints, expected);
    }
}

// 352 - 148: the tens difference is 0, but the minuend has a 5 there, so
// the child must type the 0.
TEST(ColumnProblem, ASubtractionNeedsATypedZeroWhereTheMinuendHasADigit)
{
    Worked w("Form34", 352, 148);
    w.placeDigits();
    ASSERT_TRUE(w.p.dropExchange(UnitsExchange, UnitsExchange));
    ASSERT_EQ(w.type(Units, QStringLiteral("4")), Judgement::Right);
    EXPECT_EQ(w.type(Tens, QString()), Judgement::Ignored);
    EXPECT_EQ(w.type(Tens, QStringLiteral("0")), Judgement::Right);

    // Form33, 305 - 102: the minuend's tens are 0, an empty box is the 0.
    Worked plain("Form33", 305, 102);
    plain.placeDigits();
    ASSERT_EQ(plain.type(Units, QStringLiteral("3")), Judgement::Right);
    EXPECT_EQ(plain.type(Tens, QString()), Judgement::Right);
}

TEST(ColumnProblem, ANewProblemClearsEverything)
{
    Worked w("FormColb", 57, 68);
    w.placeDigits();
    w.type(Units, QStringLiteral("15"));
    w.p.dropExchange(UnitsExchange, UnitsExchange);
    w.p.pose({57, 68});
    Worked fresh("FormColb", 57, 68);
    EXPECT_EQ(w.shown(), fresh.shown());
}

// The sixty-four hints "0064".."0127" are shared out among the eight
// screens, one for each moment a screen reaches and none for the others.
TEST(ColumnProblem, EveryScreenHasItsOwnHintForEveryMomentItReaches)
{
    std::vector<int> used;
    for (const ColumnVariant& v : columnVariants()) {
        SCOPED_TRACE(v.designName);
        const bool exchanges = v.rules.exchanges;
        const bool borrowing = v.rules.operation == Operation::Subtraction && exchanges;
        for (int m = 0; m < MomentCount; ++m) {
            bool reached = true;
            switch (static_cast<Moment>(m)) {
            case Moment::UnitsNoExchange:
            case Moment::TensNoExchange:
                reached = borrowing;
                break;
            case Moment::BottomPlaced:
            case Moment::UnitsAccepted:
                reached = !borrowing;
                break;
            case Moment::UnitsExchange:
            case Moment::UnitsExchangeMoved:
            case Moment::TensExchange:
            case Moment::TensExchangeMoved:
                reached = exchanges;
                break;
            default:
                break;
            }
            EXPECT_EQ(v.rules.hints[m] != 0, reached) << "moment " << m;
            if (v.rules.hints[m] != 0)
                used.push_back(v.rules.hints[m]);
        }
    }
    std::sort(used.begin(), used.end());
    std::vector<int> all(64);
    std::iota(all.begin(), all.end(), 64);
    EXPECT_EQ(used, all);
}
