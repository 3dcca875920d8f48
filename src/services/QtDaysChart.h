// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/DaysChart.h"

#include <QChartView>

class QCategoryAxis;

// The chart of days drawn by Qt Charts (see DaysChart). Built into
// libcontalandia_chart.so; the tests link it directly.
class QtDaysChart final : public QChartView, public DaysChart
{
public:
    QtDaysChart();

    QWidget* widget() override { return this; }
    void setDays(const std::vector<Day>& days, const Texts& texts) override;
    void setTextSizes(const QFont& axisFont, double grow) override;
    int dayLabelStep() const override { return dayStep_; }
    QImage picture(QSize size) override;

private:
    void labelDays();

    QCategoryAxis* dayAxis_ = nullptr;
    // The title and legend as Qt draws them, before they grow.
    double titlePoints_ = 0;
    double legendPoints_ = 0;
    QFont axisFont_;
    double grow_ = 1;
    std::vector<QDate> days_;
    int dayStep_ = 1;
};
