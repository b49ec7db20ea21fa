#include "reports/ui/HistogramChart.h"

namespace HistogramChart {

Chart::Model model(const std::array<qint64, Histogram::kRanges> &counts, const QStringList &labels,
                   const QString &categoryTitle)
{
    Chart::Model chart;
    chart.x.kind = Chart::Axis::Kind::Category;
    chart.x.title = categoryTitle;
    chart.x.categories = labels;
    Chart::Series bars{Chart::Series::Kind::Bars, QStringLiteral("Readings")};
    bars.colour = QColor(0x20, 0x9f, 0xdf);
    qint64 most = 0;
    for (size_t k = 0; k < counts.size(); ++k) {
        bars.points << QPointF(double(k), double(counts[k]));
        most = qMax(most, counts[k]);
    }
    chart.series << bars;
    chart.y.title = kValueTitle;
    chart.y.max = double(qMax<qint64>(most, 4));
    Chart::applyNiceNumbers(chart.y);
    return chart;
}

} // namespace HistogramChart
