#include "reports/OverlayDay.h"

#include "reports/StandardDay.h"

#include <algorithm>
#include <cmath>

namespace OverlayDay {

double percentile(const QList<int> &sorted, double p)
{
    if (sorted.isEmpty())
        return 0;
    const double position = p * double(sorted.size() - 1);
    const auto below = qsizetype(std::floor(position));
    const qsizetype above = qMin(below + 1, sorted.size() - 1);
    const double fraction = position - double(below);
    return sorted.at(below) + fraction * (sorted.at(above) - sorted.at(below));
}

Result overlay(const PeriodReadings &period)
{
    Result out;
    std::array<QList<int>, 24> byHour;
    out.points.reserve(period.readings.size());
    for (const Reading *r : period.readings) {
        const int minute = StandardDay::minuteOfDay(r->hour, r->minute);
        if (minute < 0)
            continue;
        out.points << QPointF(minute, r->glucose);
        byHour[minute / 60] << r->glucose;
    }
    for (int h = 0; h < 24; ++h) {
        QList<int> &values = byHour[h];
        if (values.size() < kMinReadingsPerHour)
            continue;
        std::sort(values.begin(), values.end());
        out.hours[h] = Percentiles{percentile(values, 0.10), percentile(values, 0.25), percentile(values, 0.50),
                                   percentile(values, 0.75), percentile(values, 0.90)};
    }
    return out;
}

QList<std::pair<int, int>> runs(const Result &result)
{
    QList<std::pair<int, int>> out;
    for (int h = 0; h < int(result.hours.size()); ++h) {
        if (!result.hours[h])
            continue;
        if (!out.isEmpty() && out.last().second == h - 1)
            out.last().second = h;
        else
            out.append({h, h});
    }
    return out;
}

} // namespace OverlayDay
