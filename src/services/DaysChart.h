// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QFont>
#include <QImage>
#include <QString>

#include <vector>

class QWidget;

// A bar chart of the right and the wrong answers of each day: right ones
// solid, wrong ones hatched, both outlined, so it reads the same printed in
// black and white; each day of the month under its bar where there is
// room, else the weeks ("14–20"), named again whenever its width changes;
// a title and a legend.
//
// The real one (`QtDaysChart`) lies in a library of its own,
// libcontalandia_chart.so, with Qt Charts and the OpenGL libraries Qt
// Charts links: loaded at the start, they would cost every child's start
// more than a megabyte and a few milliseconds, while only the teachers'
// results screen shows a chart. The library is loaded when that screen is
// first opened; without it the screen shows an empty frame in its place.
class DaysChart
{
public:
    struct Day
    {
        QDate date;
        qint64 right = 0;
        qint64 wrong = 0;
    };
    struct Texts
    {
        QString title;
        QString right;
        QString wrong;
    };

    virtual ~DaysChart() = default;

    // The chart's widget. It belongs to the widget it is placed in, and the
    // chart goes with it.
    virtual QWidget* widget() = 0;
    // Shows these days, oldest first.
    virtual void setDays(const std::vector<Day>& days, const Texts& texts) = 0;
    // The axes' labels in `axisFont`; title and legend `grow` times their
    // usual size.
    virtual void setTextSizes(const QFont& axisFont, double grow) = 0;
    // How many days each name under the chart stands for: 1 (the day of the
    // month under each bar) or 7 (a week under its seven bars).
    virtual int dayLabelStep() const = 0;
    // The chart drawn afresh at `size` (for printing), white behind.
    virtual QImage picture(QSize size) = 0;
};

// The chart library's one entry, "contalandia_make_days_chart": a new chart
// the caller places (and so owns) through its widget.
using DaysChartMaker = DaysChart* (*)();
