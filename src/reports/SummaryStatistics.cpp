#include "reports/SummaryStatistics.h"

void SummaryStatistics::add(int glucose)
{
    if (count++ == 0)
        highest = lowest = glucose;
    highest = qMax(highest, glucose);
    lowest = qMin(lowest, glucose);
    sum += glucose;
}

SummaryStatistics selectionStatistics(const QList<Reading> &selection)
{
    SummaryStatistics stats;
    for (const Reading &r : selection)
        stats.add(r.glucose);
    if (stats.count == 1 && stats.sum == 0)
        stats.count = 0;
    return stats;
}
