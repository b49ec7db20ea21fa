#include "reports/ui/chart/ChartModel.h"

#include <QtMath>

namespace Chart {

namespace {

// 1, 2, 5 or 10 times the power of ten below x: the next one up (ceiling) or
// the nearest.
double niceNumber(double x, bool ceiling)
{
    const double power = qPow(10.0, qFloor(std::log10(x)));
    const double fraction = x / power;
    double nice;
    if (ceiling)
        nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    else
        nice = fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10;
    return nice * power;
}

} // namespace

QList<double> Axis::tickValues() const
{
    QList<double> out;
    if (kind != Kind::Value || ticks < 2)
        return out;
    for (int i = 0; i < ticks; ++i)
        out << min + i * (max - min) / (ticks - 1);
    return out;
}

QString Axis::tickText(double value) const
{
    // Rounded, not cut: a step of 25 computed as 24.999… still reads 25.
    if (decimals <= 0)
        return QString::number(qRound64(value));
    return QString::number(value, 'f', decimals);
}

void applyNiceNumbers(Axis &axis)
{
    if (!(axis.max > axis.min) || axis.ticks < 2)
        return;
    const double range = niceNumber(axis.max - axis.min, true);
    const double step = niceNumber(range / (axis.ticks - 1), false);
    const double low = qFloor(axis.min / step);
    const double high = qCeil(axis.max / step);
    axis.ticks = int(high - low) + 1;
    axis.min = low * step;
    axis.max = high * step;
}

} // namespace Chart
