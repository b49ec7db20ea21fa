#pragma once

#include "reports/OverlayDay.h"
#include "users/ui/PageContext.h"
#include "reports/ui/PeriodPickers.h"
#include "reports/ui/ReportParts.h"

#include <QWidget>

class ChartValues;
class ChartView;

// The overlay day: every reading of a period by its time of day, the hourly
// median with the 25-75 and 10-90 percentile bands shaded, and the user's
// limits and 70-180 as reference lines. Drawn again at each change of range.
class OverlayDayWindow : public QWidget
{
    Q_OBJECT

public:
    explicit OverlayDayWindow(const PageContext &context, QWidget *parent = nullptr);

    ReportParts::Heading heading;
    PeriodPickers pickers;
    ChartView *chart;         // MSChart1
    ChartValues *chartValues; // the chart's words and values for a screen reader

private:
    void run();
    void draw(const OverlayDay::Result &overlay);

    const PageContext m_context;
};
