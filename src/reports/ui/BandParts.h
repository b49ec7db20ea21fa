#pragma once

#include "reports/PeriodSummary.h"
#include "reports/ui/chart/ChartModel.h"

#include <QString>

class ChartView;
class QColor;
class QLabel;
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
// A share or its "✓ met" in bold, in its target's colour as far as that stands
// out from the page.
void showTarget(QLabel *label, bool met);

// The bar's chart, SummaryBands, empty.
ChartView *bandChart(QWidget *parent);
// The five bands stacked in one bar, lowest at the bottom, each in % of the
// readings, with the legend on the right.
Chart::Model bands(const std::array<qint64, PeriodSummary::kBands> &readings, GlucoseUnit unit);

} // namespace BandParts
