// SPDX-License-Identifier: GPL-3.0-or-later
// The chart library: the Qt Charts chart of days behind one C entry, so the
// program can load it (and Qt Charts with it) when the results screen is
// first opened.
#include "services/QtDaysChart.h"

extern "C" Q_DECL_EXPORT DaysChart* contalandia_make_days_chart()
{
    return new QtDaysChart;
}
