#pragma once

#include "reports/ReportPeriod.h"

#include <QList>
#include <QPointF>

#include <array>
#include <optional>
#include <utility>

// The overlay day: every reading of a period laid on one day by its minute of
// the day, and per hour of the day the median with the 25-75 and 10-90
// percentile values, a picture of a typical day. Values in mg/dL.
//
// Example: hour 8 holding 100, 110, 120, 130, 140 gives p10 104, p25 110,
// median 120, p75 130, p90 136; an hour with 4 readings or fewer has none.
namespace OverlayDay {

// Hours with fewer readings than this show no percentiles.
inline constexpr int kMinReadingsPerHour = 5;

struct Percentiles
{
    double p10 = 0, p25 = 0, median = 0, p75 = 0, p90 = 0;

    friend bool operator==(const Percentiles &, const Percentiles &) = default;
};

struct Result
{
    QList<QPointF> points; // (minute of the day, mg/dL), in table order
    std::array<std::optional<Percentiles>, 24> hours;

    friend bool operator==(const Result &, const Result &) = default;
};

// Readings at a time outside the day (a meter's hour 24) have no place on it.
Result overlay(const PeriodReadings &period);

// The runs of consecutive hours that have percentiles, as (first, last) hour:
// hours 7, 8, 9 and 13 give (7, 9) and (13, 13). The median and bands are
// drawn along each run and broken between runs, never across an hour with
// too few readings.
QList<std::pair<int, int>> runs(const Result &result);

// The p-quantile (0..1) of sorted values, interpolated linearly between the
// order statistics at (n - 1) × p: {100, 110, 120, 130} at 0.25 gives 107.5.
double percentile(const QList<int> &sorted, double p);

} // namespace OverlayDay
