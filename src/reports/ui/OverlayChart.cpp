#include "reports/ui/OverlayChart.h"

namespace OverlayChart {

namespace {

using Band = double OverlayDay::Percentiles::*;
using Run = std::pair<int, int>;

// Percentiles and limits in mmol/L are divided, not rounded, as the reports draw limits.
double shown(double mgPerDl, GlucoseUnit unit)
{
    return unit == GlucoseUnit::MmolPerL ? mgPerDl / 18.0 : mgPerDl;
}

Chart::Series line(const QString &name, const QColor &colour, Qt::PenStyle style = Qt::SolidLine, double width = 1.5)
{
    Chart::Series series{Chart::Series::Kind::Line, name};
    series.colour = colour;
    series.style = style;
    series.width = width;
    return series;
}

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

QList<QPointF> along(const OverlayDay::Result &overlay, const Run &run, Band band, GlucoseUnit unit)
{
    QList<QPointF> out;
    for (double x : positions(run))
        out << QPointF(x, shown((*overlay.hours[int(x)]).*band, unit));
    return out;
}

// A shaded band between two percentiles along each run of hours that have
// them; the legend names the first. Bands stay out of the state dump, as
// they always have.
void addBand(Chart::Model &chart, const OverlayDay::Result &overlay, Band low, Band high, const QString &name,
             const QColor &colour, GlucoseUnit unit)
{
    const QList<Run> runs = OverlayDay::runs(overlay);
    for (const Run &run : runs) {
        Chart::Series band{Chart::Series::Kind::Band, name, along(overlay, run, high, unit),
                           along(overlay, run, low, unit), colour};
        band.inLegend = &run == &runs.first();
        band.inDump = false;
        chart.series << band;
    }
}

} // namespace

Chart::Model model(const OverlayDay::Result &overlay, GlucoseUnit unit, int max, int min)
{
    Chart::Model chart;
    Chart::Series readings{Chart::Series::Kind::Points, QStringLiteral("Readings")};
    // Grey, so that the median and the bands stand out among many readings.
    readings.colour = QColor(0x70, 0x70, 0x70);
    readings.dotSize = 5;
    double highest = shown(300, unit);
    readings.points.reserve(overlay.points.size());
    for (const QPointF &p : overlay.points) {
        // A single reading as every report plots it: in mmol/L to one decimal.
        const int g = int(p.y());
        const double y = unit == GlucoseUnit::MmolPerL ? ReadingTexts::mmolRounded(g) : g;
        readings.points << QPointF(p.x() / 60.0, y);
        highest = qMax(highest, y);
    }
    chart.series << readings;

    addBand(chart, overlay, &OverlayDay::Percentiles::p10, &OverlayDay::Percentiles::p90, QStringLiteral("10–90 %"),
            QColor(70, 130, 200, 60), unit);
    addBand(chart, overlay, &OverlayDay::Percentiles::p25, &OverlayDay::Percentiles::p75, QStringLiteral("25–75 %"),
            QColor(70, 130, 200, 120), unit);

    // A period without such hours keeps an empty median, so the legend names it.
    const QList<Run> runs = OverlayDay::runs(overlay);
    const Chart::Series median = line(QStringLiteral("Median"), QColor(10, 40, 120), Qt::SolidLine, 2.5);
    if (runs.isEmpty())
        chart.series << median;
    for (const Run &run : runs) {
        chart.series << median;
        chart.series.last().points = along(overlay, run, &OverlayDay::Percentiles::median, unit);
        chart.series.last().inLegend = &run == &runs.first();
    }

    const auto reference = [&](const QString &name, int mgPerDl, const QColor &colour, Qt::PenStyle style) {
        Chart::Series l = line(name, colour, style, 1);
        const double y = shown(mgPerDl, unit);
        l.points = {QPointF(0, y), QPointF(24, y)};
        chart.series << l;
    };
    // Vermillion, reddish purple and bluish green: apart for every common
    // colour-vision deficiency (scripts/cvd-palette.py); 70 and 180 are dashed too.
    reference(QStringLiteral("Max"), max, QColor(0xd5, 0x5e, 0x00), Qt::SolidLine);
    reference(QStringLiteral("Min"), min, QColor(0xcc, 0x79, 0xa7), Qt::SolidLine);
    reference(ReadingTexts::glucoseText(70, unit), 70, QColor(0x00, 0x9e, 0x73), Qt::DashLine);
    reference(ReadingTexts::glucoseText(180, unit), 180, QColor(0x00, 0x9e, 0x73), Qt::DashLine);

    chart.x.title = QStringLiteral("Time of Day (hr)");
    chart.x.max = 24;
    chart.x.ticks = 9;
    chart.y.title = QStringLiteral("Glucose ") + ReadingTexts::unitText(unit);
    chart.y.max = highest;
    Chart::applyNiceNumbers(chart.y);
    // Whole mg/dL ("300"), mmol/L to one decimal.
    chart.y.decimals = unit == GlucoseUnit::MmolPerL ? 1 : 0;
    return chart;
}

} // namespace OverlayChart
