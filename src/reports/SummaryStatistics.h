#pragma once

#include "store/Reading.h"

#include <QList>

// Count, highest, lowest and average of glucose values as every report shows
// them: on the mg/dL integers, the average by integer division with the fraction
// dropped (100 and 101 average 100; a sum of 1509 over 10 readings gives 150).
// The count and sum are 64-bit, so no number of readings and no stored value
// (2147483647 from a damaged file) can wrap them.
struct SummaryStatistics
{
    qint64 count = 0;
    qint64 sum = 0;
    int highest = 0;
    int lowest = 0;

    // Adds one reading: the first sets highest and lowest.
    void add(int glucose);
    // sum / count, truncated toward zero; 0 when nothing was added. Always
    // between lowest and highest, so it fits an int.
    int average() const { return count == 0 ? 0 : int(sum / count); }

    friend bool operator==(const SummaryStatistics &, const SummaryStatistics &) = default;
};

// The line graphs' statistics over a selection (entries in order). A selection
// of one entry with value 0 is the template row of an empty file and counts as
// none, e.g. {100, 200, 151} -> count 3, highest 200, lowest 100, average 150;
// {0} -> count 0, highest, lowest and average 0.
SummaryStatistics selectionStatistics(const QList<Reading> &selection);
