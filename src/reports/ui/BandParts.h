#pragma once

#include "reports/PeriodSummary.h"

#include <QString>

class QChart;
class QColor;
class QChartView;
class QWidget;

// The five bands and their targets as the summary and the doctor's page show
// them: captions in the user's unit, the target beside each share, its colour,
// and the stacked bar of the bands.
namespace BandParts {

// "Below 54 mg/dL, % of readings :", in mmol/L "Below 3.0 mmol/L, % of readings :".
QString shareCaption(PeriodSummary::Target target, GlucoseUnit unit);
// "target: under 1 %".
QString targetText(PeriodSummary::Target target);
// "Within your limits 70–180 mg/dL, % of readings :".
QString limitsCaption(int max, int min, GlucoseUnit unit);
// Green when the share meets its target, red when not.
QColor targetColour(bool met);
QString targetStyle(bool met);

// An empty chart for the bar, with its legend.
QChartView *bandChart(QWidget *parent);
// The five bands, lowest at the bottom, each in % of the readings.
void drawBands(QChart *chart, const std::array<qint64, PeriodSummary::kBands> &readings, GlucoseUnit unit);

} // namespace BandParts
