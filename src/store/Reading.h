#pragma once

#include <QString>

// One glucose reading as the meter and the reading file know it. The meter sends
// no year, so Year is inferred when a record is downloaded. Values are kept as
// received: the meter can report impossible dates, and they are stored as they came.
struct Reading
{
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int glucose = 0;   // mg/dL
    int year = 0;
    // Event mark as stored: "0"/"1" for a record taken from the meter in this
    // login (mark bit clear/set), otherwise the text of the file's Event column.
    QString event;

    friend bool operator==(const Reading &, const Reading &) = default;
};

// Orders moments within one year as if every month had 31 days, to the minute.
// Two readings are the same moment exactly when their keys are equal.
constexpr int timeKey(int month, int day, int hour, int minute)
{
    return 60 * (744 * month + 24 * day + hour) + minute;
}

inline int timeKey(const Reading &r)
{
    return timeKey(r.month, r.day, r.hour, r.minute);
}
