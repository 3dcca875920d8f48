// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/ColouredNumber.h"

namespace abacus {

namespace {

const char* const Hundreds[10] = {"",           "CENTO",    "DUECENTO", "TRECENTO",  "QUATTROCENTO",
                                  "CINQUECENTO", "SEICENTO", "SETTECENTO", "OTTOCENTO", "NOVECENTO"};
const char* const Tens[10] = {"",          "DIECI",    "VENTI",    "TRENTA",  "QUARANTA",
                              "CINQUANTA", "SESSANTA", "SETTANTA", "OTTANTA", "NOVANTA"};
const char* const Units[10] = {"", "UNO", "DUE", "TRE", "QUATTRO", "CINQUE", "SEI", "SETTE", "OTTO", "NOVE"};

// 11 to 19: tens part, units part, units part first.
struct Teen
{
    const char* tens;
    const char* units;
    bool unitsFirst;
};
const Teen Teens[9] = {
    {"DICI", "UN", true},       {"DICI", "DO", true},    {"DICI", "TRE", true},
    {"DICI", "QUATTOR", true},  {"DICI", "QUIN", true},  {"DICI", "SE", true},
    {"DICIA", "SSETTE", false}, {"DICI", "OTTO", false}, {"DICIA", "NNOVE", false},
};

struct Digits
{
    int h, t, u;
};

Digits digitsOf(int n)
{
    const int h = n / 100;
    const int t = (n - 100 * h) / 10;
    return {h, t, n - 100 * h - 10 * t};
}

} // namespace

ColouredNumber colouredWords(int n)
{
    ColouredNumber c;
    if (n < 0 || n > 999)
        return c;
    const Digits d = digitsOf(n);
    c.parts[0] = QString::fromLatin1(Hundreds[d.h]);
    if (d.t == 1 && d.u > 0) {
        const Teen& teen = Teens[d.u - 1];
        c.parts[1] = QString::fromLatin1(teen.tens);
        c.parts[2] = QString::fromLatin1(teen.units);
        c.unitsFirst = teen.unitsFirst;
    } else {
        QString tens = QString::fromLatin1(Tens[d.t]);
        if ((d.u == 1 || d.u == 8) && !tens.isEmpty())
            tens.chop(1);
        c.parts[1] = tens;
        c.parts[2] = QString::fromLatin1(Units[d.u]);
    }
    if (n == 0)
        c.parts[2] = QStringLiteral("ZERO");
    return c;
}

ColouredNumber colouredDigits(int n)
{
    ColouredNumber c;
    if (n < 0 || n > 999)
        return c;
    const Digits d = digitsOf(n);
    if (d.h > 0)
        c.parts[0] = QString::number(d.h);
    if (d.h > 0 || d.t > 0)
        c.parts[1] = QString::number(d.t);
    c.parts[2] = QString::number(d.u);
    return c;
}

std::array<double, 3> partLefts(const std::array<double, 3>& widths, double boxWidth, bool unitsFirst)
{
    const double total = widths[0] + widths[1] + widths[2];
    const std::array<int, 3> order = unitsFirst ? std::array<int, 3>{0, 2, 1} : std::array<int, 3>{0, 1, 2};
    std::array<double, 3> lefts{};
    double x = (boxWidth - total) / 2;
    for (int i : order) {
        lefts[i] = x;
        x += widths[i];
    }
    return lefts;
}

} // namespace abacus
