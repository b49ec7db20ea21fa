#pragma once

#include "store/ReadingTables.h"

// A reading table as a long-time user would have it: 100 000 readings spread
// over the whole range of values, every fifth one marked after a meal.
inline constexpr int kSampleReadings = 100000;

inline ReadingTables sampleReadingTables()
{
    ReadingTables tables;
    QList<Reading> &readings = tables.readings();
    readings.reserve(kSampleReadings);
    for (int i = 0; i < kSampleReadings; ++i) {
        Reading r;
        r.glucose = 40 + (i * 37) % 560;
        r.month = i % 12 + 1;
        r.day = i % 28 + 1;
        r.hour = (i * 7) % 24;
        r.minute = (i * 13) % 60;
        r.year = 2000 + i / 5000;
        r.event = i % 5 == 0 ? EventMark::PC : EventMark::C;
        readings.append(r);
    }
    return tables;
}
