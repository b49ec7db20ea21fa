#include "reports/ui/HistogramChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

namespace HistogramChart {

namespace {

// The chart draws categories as rich text, so "<61" is escaped to show. A bar
// axis also needs distinct categories: blank labels (a unit that is neither
// mg/dL nor mmol/L) differ in their number of spaces.
QStringList categoryTexts(const QStringList &labels)
{
    QStringList out;
    for (qsizetype k = 0; k < labels.size(); ++k)
        out << (labels[k].isEmpty() ? QString(k, u' ') : labels[k].toHtmlEscaped());
    return out;
}

} // namespace

void draw(QChart *chart, const std::array<qint64, Histogram::kRanges> &counts, const QStringList &labels,
          const QString &categoryTitle)
{
    auto *bars = new QBarSet(QStringLiteral("Readings"));
    qint64 most = 0;
    for (qint64 n : counts) {
        *bars << double(n);
        most = qMax(most, n);
    }
    auto *series = new QBarSeries;
    series->append(bars);
    chart->addSeries(series);

    auto *categories = new QBarCategoryAxis;
    categories->setTitleText(categoryTitle);
    categories->append(categoryTexts(labels));
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);

    auto *values = new QValueAxis;
    values->setTitleText(kValueTitle);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setRange(0, qMax<qint64>(most, 4));
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
}

} // namespace HistogramChart
