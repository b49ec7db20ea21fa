#include "reports/ui/BandParts.h"

#include "reports/ChartText.h"
#include "reports/ui/ReportParts.h"

#include "reports/ui/chart/ChartView.h"
#include "reports/ui/chart/Contrast.h"

#include <QLabel>

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

void showTarget(QLabel *label, bool met)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    Contrast::setTextColour(label, targetColour(met));
}

ChartView *bandChart(QWidget *parent)
{
    ChartView *view = ReportParts::chart(parent);
    view->setObjectName(QStringLiteral("SummaryBands"));
    return view;
}

Chart::Model bands(const std::array<qint64, kBands> &readings, GlucoseUnit unit)
{
    qint64 total = 0;
    for (qint64 n : readings)
        total += n;
    // Wine, vermillion, bluish green, yellow and orange of the Okabe–Ito palette:
    // neighbours stay apart under protanopia, deuteranopia and tritanopia
    // (scripts/cvd-palette.py).
    const std::array<QColor, kBands> colours{QColor(0x88, 0x22, 0x55), QColor(0xd5, 0x5e, 0x00),
                                             QColor(0x00, 0x9e, 0x73), QColor(0xf0, 0xe4, 0x42),
                                             QColor(0xe6, 0x9f, 0x00)};
    Chart::Model chart;
    chart.legend = Chart::Model::Legend::Right;
    for (int b = 0; b < kBands; ++b) {
        Chart::Series band{Chart::Series::Kind::StackedBars, ChartTexts::bandName(Band(b), unit)};
        band.colour = colours[b];
        band.points << QPointF(0, total ? 100.0 * double(readings[b]) / double(total) : 0.0);
        chart.series << band;
    }
    chart.x.kind = Chart::Axis::Kind::Category;
    chart.x.categories = {QStringLiteral("Readings")};
    // The axis title and the legend say what the one bar is; its label would be cut short.
    chart.x.labelsShown = false;
    chart.y.title = QStringLiteral("% of readings");
    chart.y.max = 100;
    return chart;
}

} // namespace BandParts
