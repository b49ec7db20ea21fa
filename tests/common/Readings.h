#pragma once

#include "store/ReadingTables.h"
#include "store/ReadingTexts.h"

// A reading; its event as the file or the meter marks it ("C", "PC", "QC", "0", "1", "2").
inline Reading at(int year, int month, int day, int hour, int minute, int glucose, const char *event = "C")
{
    return {month, day, hour, minute, glucose, year, ReadingTexts::eventMark(event)};
}

// A reading table holding the readings, in table order.
inline ReadingTables table(const QList<Reading> &readings)
{
    ReadingTables t;
    t.readings() = readings;
    return t;
}
