#include "reports/ui/OverlayChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

namespace OverlayChart {

namespace {

using Band = double OverlayDay::Percentiles::*;

// Percentiles and limits in mmol/L are divided, not rounded, as the reports draw limits.
double shown(double mgPerDl, GlucoseUnit unit)
{
    return unit == GlucoseUnit::MmolPerL ? mgPerDl / 18.0 : mgPerDl;
}

QLineSeries *line(const QString &name, const QColor &colour, Qt::PenStyle style = Qt::SolidLine, qreal width = 1.5)
{
    auto *series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, width, style);
    series->setPen(pen);
    return series;
}

using Run = std::pair<int, int>;

// A run of hours as x positions: mid-hour, a lone hour as a short flat piece
// across its middle so that it shows.
QList<double> positions(const Run &run)
{
    if (run.first == run.second)
        return {run.first + 0.25, run.first + 0.75};
    QList<double> out;
    for (int h = run.first; h <= run.second; ++h)
        out << h + 0.5;
    return out;
}

QLineSeries *along(const OverlayDay::Result &overlay, const Run &run, Band band, GlucoseUnit unit, QLineSeries *series)
{
    for (double x : positions(run))
        series->append(x, shown((*overlay.hours[int(x)]).*band, unit));
    return series;
}

// Each run after the first repeats its series' name; the legend names it once.
void addOnce(QChart *chart, QAbstractSeries *series, bool first)
{
    chart->addSeries(series);
    if (!first) {
        for (QLegendMarker *marker : chart->legend()->markers(series))
            marker->setVisible(false);
    }
}

// A shaded band between two percentiles along each run of hours that have them.
void addBand(QChart *chart, const OverlayDay::Result &overlay, Band low, Band high, const QString &name,
             const QColor &colour, GlucoseUnit unit)
{
    const QList<Run> runs = OverlayDay::runs(overlay);
    for (const Run &run : runs) {
        auto *area = new QAreaSeries(along(overlay, run, high, unit, new QLineSeries),
                                     along(overlay, run, low, unit, new QLineSeries));
        // The edges go with the area when the chart is drawn again.
        area->upperSeries()->setParent(area);
        area->lowerSeries()->setParent(area);
        area->setName(name);
        area->setColor(colour);
        area->setBorderColor(colour);
        addOnce(chart, area, &run == &runs.first());
    }
}

} // namespace

void draw(QChart *chart, const OverlayDay::Result &overlay, GlucoseUnit unit, int max, int min)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);

    auto *readings = new QScatterSeries;
    readings->setName(QStringLiteral("Readings"));
    readings->setMarkerSize(8);
    readings->setColor(QColor(30, 30, 30, 150));
    readings->setBorderColor(Qt::transparent);
    double highest = shown(300, unit);
    for (const QPointF &p : overlay.points) {
        // A single reading as every report plots it: in mmol/L to one decimal.
        const int g = int(p.y());
        const double y = unit == GlucoseUnit::MmolPerL ? ReadingTexts::mmolRounded(g) : g;
        readings->append(p.x() / 60.0, y);
        highest = qMax(highest, y);
    }
    chart->addSeries(readings);

    addBand(chart, overlay, &OverlayDay::Percentiles::p10, &OverlayDay::Percentiles::p90, QStringLiteral("10–90 %"),
            QColor(70, 130, 200, 60), unit);
    addBand(chart, overlay, &OverlayDay::Percentiles::p25, &OverlayDay::Percentiles::p75, QStringLiteral("25–75 %"),
            QColor(70, 130, 200, 120), unit);

    // A period without such hours keeps an empty median, so the legend names it.
    const QList<Run> runs = OverlayDay::runs(overlay);
    const auto median = [] { return line(QStringLiteral("Median"), QColor(10, 40, 120), Qt::SolidLine, 2.5); };
    if (runs.isEmpty())
        chart->addSeries(median());
    for (const Run &run : runs)
        addOnce(chart, along(overlay, run, &OverlayDay::Percentiles::median, unit, median()), &run == &runs.first());

    const auto reference = [&](const QString &name, int mgPerDl, const QColor &colour, Qt::PenStyle style) {
        QLineSeries *l = line(name, colour, style, 1);
        const double y = shown(mgPerDl, unit);
        l->append(0, y);
        l->append(24, y);
        chart->addSeries(l);
    };
    // Vermillion, reddish purple and bluish green: apart for every common
    // colour-vision deficiency (scripts/cvd-palette.py); 70 and 180 are dashed too.
    reference(QStringLiteral("Max"), max, QColor(0xd5, 0x5e, 0x00), Qt::SolidLine);
    reference(QStringLiteral("Min"), min, QColor(0xcc, 0x79, 0xa7), Qt::SolidLine);
    reference(ReadingTexts::glucoseText(70, unit), 70, QColor(0x00, 0x9e, 0x73), Qt::DashLine);
    reference(ReadingTexts::glucoseText(180, unit), 180, QColor(0x00, 0x9e, 0x73), Qt::DashLine);

    auto *hours = new QValueAxis;
    hours->setTitleText(QStringLiteral("Time of Day (hr)"));
    hours->setRange(0, 24);
    hours->setTickCount(9);
    hours->setLabelFormat(QStringLiteral("%d"));
    auto *values = new QValueAxis;
    values->setTitleText(QStringLiteral("Glucose ") + ReadingTexts::unitText(unit));
    values->setRange(0, highest);
    values->applyNiceNumbers();
    // Whole mg/dL ("300"), mmol/L to one decimal.
    values->setLabelFormat(unit == GlucoseUnit::MmolPerL ? QStringLiteral("%.1f") : QStringLiteral("%d"));
    chart->addAxis(hours, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(hours);
        series->attachAxis(values);
    }
}

} // namespace OverlayChart
