// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LibraryEntry.h"
#include "services/DaysChart.h"

#include <QChartView>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The chart library built beside the program: the first file that loads
// and has the entry gives it, and it makes the Qt Charts chart.
TEST(LibraryEntry, TheChartLibraryMakesTheChart)
{
    QTemporaryDir dir;
    const QString notALibrary = dir.filePath(QStringLiteral("libcontalandia_chart.so"));
    QFile junk(notALibrary);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x7f" "ELF but nothing more");
    junk.close();

    LibraryEntry entry({QStringLiteral("/nowhere/libcontalandia_chart.so"), notALibrary,
                        QStringLiteral(CONTALANDIA_CHART_LIBRARY_FILE)},
                       "contalandia_make_days_chart");
    EXPECT_FALSE(entry.tried());
    const auto make = reinterpret_cast<DaysChartMaker>(entry.get());
    ASSERT_NE(make, nullptr);
    EXPECT_TRUE(entry.tried());
    EXPECT_EQ(QFileInfo(entry.file()).canonicalFilePath(),
              QFileInfo(QStringLiteral(CONTALANDIA_CHART_LIBRARY_FILE)).canonicalFilePath());

    DaysChart* chart = make();
    ASSERT_NE(chart, nullptr);
    std::unique_ptr<QWidget> widget(chart->widget());
    auto* view = qobject_cast<QChartView*>(widget.get());
    ASSERT_NE(view, nullptr);
    chart->setDays({{QDate(2026, 12, 10), 3, 1}, {QDate(2026, 12, 11), 0, 2}}, {"Giorni", "Esatte", "Sbagliate"});
    EXPECT_EQ(view->chart()->title(), "Giorni");
    EXPECT_EQ(view->chart()->series().size(), 1);
    const QImage picture = chart->picture(QSize(400, 250));
    EXPECT_EQ(picture.size(), QSize(400, 250));
}

// A library without the entry, or none at all, gives nothing, and is tried
// only once.
TEST(LibraryEntry, NoFileWithTheEntryGivesNothingOnce)
{
    LibraryEntry entry({QStringLiteral("/nowhere/libcontalandia_chart.so"),
                        QStringLiteral(CONTALANDIA_CHART_LIBRARY_FILE)},
                       "contalandia_no_such_entry");
    EXPECT_EQ(entry.get(), nullptr);
    EXPECT_TRUE(entry.tried());
    EXPECT_TRUE(entry.file().isEmpty());
    EXPECT_EQ(entry.get(), nullptr);
}
