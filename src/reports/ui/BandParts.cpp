#include "reports/ui/BandParts.h"

#include "reports/ChartText.h"
#include "reports/ui/ReportParts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLegend>
#include <QStackedBarSeries>
#include <QValueAxis>

using namespace PeriodSummary;

namespace BandParts {

namespace {

// The edges of the bands in mg/dL: 54, 70, 180, 250.
QString edge(int mgPerDl, GlucoseUnit unit)
{
    return ReadingTexts::glucoseText(mgPerDl, unit);
}

} // namespace

QString shareCaption(Target target, GlucoseUnit unit)
{
    const QString u = QLatin1Char(' ') + ReadingTexts::unitText(unit);
    QString band;
    switch (target) {
    case Under54: band = QStringLiteral("Below ") + edge(54, unit) + u; break;
    case Under70: band = QStringLiteral("Below ") + edge(70, unit) + u; break;
    case InRange: band = edge(70, unit) + u'–' + edge(180, unit) + u; break;
    case Over180: band = QStringLiteral("Above ") + edge(180, unit) + u; break;
    case Over250: band = QStringLiteral("Above ") + edge(250, unit) + u; break;
    case kTargets: break;
    }
    return band + QStringLiteral(", % of readings :");
}

QString targetText(Target target)
{
    const TargetRule rule = kTargetRules[target];
    return QStringLiteral("target: %1 %2 %")
        .arg(rule.under ? QStringLiteral("under") : QStringLiteral("over"))
        .arg(rule.percent);
}

QString limitsCaption(int max, int min, GlucoseUnit unit)
{
    return QStringLiteral("Within your limits %1–%2 %3, % of readings :")
        .arg(ReadingTexts::glucoseText(min, unit), ReadingTexts::glucoseText(max, unit), ReadingTexts::unitText(unit));
}

// Bluish green and vermillion stay apart for every common colour-vision
// deficiency (scripts/cvd-palette.py), and the words beside them say it anyway.
QColor targetColour(bool met)
{
    return met ? QColor(0x00, 0x7a, 0x5a) : QColor(0xb8, 0x46, 0x0a);
}

QString targetStyle(bool met)
{
    return QStringLiteral("color: %1; font-weight: bold;").arg(targetColour(met).name());
}

QChartView *bandChart(QWidget *parent)
{
    QChartView *view = ReportParts::chart(parent);
    view->setObjectName(QStringLiteral("SummaryBands"));
    view->chart()->legend()->setAlignment(Qt::AlignRight);
    view->chart()->legend()->show();
    // Room for the legend's longest entry whole, with its marker, beside the bar.
    const QFontMetrics metrics(view->chart()->legend()->font());
    const int legendWidth = metrics.horizontalAdvance(QStringLiteral("10.1–13.9 mmol/L")) + 4 * metrics.height();
    view->chart()->legend()->setMinimumWidth(legendWidth);
    view->setMinimumSize(2 * legendWidth, 260);
    return view;
}

void drawBands(QChart *chart, const std::array<qint64, kBands> &readings, GlucoseUnit unit)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    qint64 total = 0;
    for (qint64 n : readings)
        total += n;
    // Wine, vermillion, bluish green, yellow and orange of the Okabe–Ito palette:
    // neighbours stay apart under protanopia, deuteranopia and tritanopia
    // (scripts/cvd-palette.py).
    const std::array<QColor, kBands> colours{QColor(0x88, 0x22, 0x55), QColor(0xd5, 0x5e, 0x00),
                                             QColor(0x00, 0x9e, 0x73), QColor(0xf0, 0xe4, 0x42),
                                             QColor(0xe6, 0x9f, 0x00)};
    auto *series = new QStackedBarSeries;
    for (int b = 0; b < kBands; ++b) {
        auto *set = new QBarSet(ChartTexts::bandName(Band(b), unit));
        set->setColor(colours[b]);
        *set << (total ? 100.0 * double(readings[b]) / double(total) : 0.0);
        series->append(set);
    }
    chart->addSeries(series);
    auto *categories = new QBarCategoryAxis;
    categories->append(QStringLiteral("Readings"));
    // The axis title and the legend say what the one bar is; its label would be cut short.
    categories->setLabelsVisible(false);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *percent = new QValueAxis;
    percent->setTitleText(QStringLiteral("% of readings"));
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(percent, Qt::AlignLeft);
    series->attachAxis(percent);
}

} // namespace BandParts
