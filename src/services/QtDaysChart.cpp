// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/QtDaysChart.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QLegend>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

QtDaysChart::QtDaysChart() : QChartView(new QChart)
{
    chart()->setAnimationOptions(QChart::NoAnimation);
    titlePoints_ = chart()->titleFont().pointSizeF();
    legendPoints_ = chart()->legend()->font().pointSizeF();
    setRenderHint(QPainter::Antialiasing);
    // The names of the days follow the chart's width.
    connect(chart(), &QChart::plotAreaChanged, this, [this] { labelDays(); });
}

void QtDaysChart::setDays(const std::vector<Day>& days, const Texts& texts)
{
    QChart* c = chart();
    c->removeAllSeries();
    // A removed axis is the caller's again: each refresh makes new ones.
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    dayAxis_ = nullptr;

    // Qt Charts lays out its title and legend as markup, and these texts
    // come from a language file: they are handed over escaped, so that
    // they are shown as written (nested tables would never finish their
    // layout, a picture named /dev/zero would be read without end).
    auto* right = new QBarSet(texts.right.toHtmlEscaped());
    right->setBrush(QBrush(QColor(0, 110, 60), Qt::SolidPattern));
    right->setPen(QPen(Qt::black, 1));
    auto* wrong = new QBarSet(texts.wrong.toHtmlEscaped());
    wrong->setBrush(QBrush(QColor(180, 20, 20), Qt::BDiagPattern));
    wrong->setPen(QPen(Qt::black, 1));
    qint64 most = 0;
    days_.clear();
    for (const Day& d : days) {
        *right << double(d.right);
        *wrong << double(d.wrong);
        days_.push_back(d.date);
        most = std::max(most, d.right + d.wrong);
    }
    auto* series = new QStackedBarSeries;
    series->append(right);
    series->append(wrong);
    series->setBarWidth(0.8);
    c->addSeries(series);
    // The bars stand at 0, 1, ... on a value axis whose categories name
    // the days or the weeks (labelDays).
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    x->setRange(-0.5, double(days.size()) - 0.5);
    x->setStartValue(-0.5);
    dayAxis_ = x;
    auto* y = new QValueAxis;
    // Room above the highest bar, in steps the four intervals divide.
    y->setRange(0, double(std::max<qint64>(4, (most + most / 10 + 4) / 4 * 4)));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(5);
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    setTextSizes(axisFont_, grow_);
    c->setTitle(texts.title.toHtmlEscaped());
    c->legend()->setAlignment(Qt::AlignBottom);
}

void QtDaysChart::setTextSizes(const QFont& axisFont, double grow)
{
    axisFont_ = axisFont;
    grow_ = grow;
    QChart* c = chart();
    for (QAbstractAxis* a : c->axes())
        a->setLabelsFont(axisFont);
    if (titlePoints_ > 0) {
        QFont title = c->titleFont();
        title.setPointSizeF(titlePoints_ * grow);
        c->setTitleFont(title);
    }
    if (legendPoints_ > 0) {
        QFont legend = c->legend()->font();
        legend.setPointSizeF(legendPoints_ * grow);
        c->legend()->setFont(legend);
    }
    labelDays();
}

// The days named under the chart: each day of the month under its bar
// where every name has room for itself and a blank of two digits, else the
// weeks ending today, "14–20" under their seven bars (a chart names a
// category only within its own width, and cuts a longer name short). Again
// whenever the chart's plot area changes.
void QtDaysChart::labelDays()
{
    if (!dayAxis_ || days_.empty())
        return;
    const QFontMetrics m(dayAxis_->labelsFont());
    const int count = int(days_.size());
    // Before the chart is laid out its plot area is empty: the view's width
    // less the margins and the left axis stands in for it.
    double plot = chart()->plotArea().width();
    if (plot <= 0)
        plot = width() - 8 * m.horizontalAdvance(QLatin1Char('0'));
    const double perDay = plot / count;
    const int blank = m.horizontalAdvance(QStringLiteral("00"));
    dayStep_ = perDay >= m.horizontalAdvance(QStringLiteral("00")) + blank ? 1 : 7;

    // Each name with the value where its days end, the last one today.
    QList<QPair<QString, double>> names;
    for (int last = count - 1; last >= 0; last -= dayStep_) {
        const int first = std::max(0, last - dayStep_ + 1);
        const QString day = QString::number(days_[size_t(last)].day());
        names.prepend({dayStep_ == 1 ? day : QString::number(days_[size_t(first)].day()) + QChar(0x2013) + day,
                       last + 0.5});
    }
    QStringList shown;
    for (const auto& n : names)
        shown << n.first;
    if (shown == dayAxis_->categoriesLabels())
        return;
    for (const QString& old : dayAxis_->categoriesLabels())
        dayAxis_->remove(old);
    for (const auto& n : names)
        dayAxis_->append(n.first, n.second);
}

QImage QtDaysChart::picture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    const QRectF was = c->geometry();
    c->resize(size);
    scene()->render(&p, QRectF(QPointF(0, 0), size), c->sceneBoundingRect());
    c->setGeometry(was);
    return image;
}
