#pragma once

#include "reports/OverlayDay.h"
#include "store/ReadingTexts.h"

class QChart;

// Draws an overlay day into a chart, replacing what it held: time of day in
// hours on the x axis, glucose in the unit on the y axis. The window and the
// doctor's page draw it alike.
namespace OverlayChart {

void draw(QChart *chart, const OverlayDay::Result &overlay, GlucoseUnit unit, int max, int min);

} // namespace OverlayChart
