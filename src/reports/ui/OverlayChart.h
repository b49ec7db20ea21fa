#pragma once

#include "reports/OverlayDay.h"
#include "reports/ui/chart/ChartModel.h"
#include "store/ReadingTexts.h"

// An overlay day as a chart: time of day in hours on the x axis, glucose in
// the unit on the y axis; every reading as a dot, the hourly median with the
// 25-75 and 10-90 percentile bands, the limits and 70 and 180 as lines. The
// window and the doctor's page draw it alike.
namespace OverlayChart {

Chart::Model model(const OverlayDay::Result &overlay, GlucoseUnit unit, int max, int min);

} // namespace OverlayChart
