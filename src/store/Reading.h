#pragma once

#include <QtGlobal>

// The event mark of a reading, as the file writes it: "C" (an ordinary
// reading, the meter's mark bit clear), "PC" (marked after a meal, the bit
// set) or "QC" (a third mark the file keeps; the meter never sends it).
enum class EventMark : quint8 { C, PC, QC };

// One glucose reading as the meter and the reading file know it. The meter sends
// no year, so Year is inferred when a record is downloaded. Values are kept as
// received: the meter can report impossible dates, and they are stored as they came.
// A few integers and a code: 100 000 of them are one block of memory.
struct Reading
{
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int glucose = 0; // mg/dL
    int year = 0;
    // Other stored texts than the marks ("0000" of the template row, "X") are
    // written "C", so they are C here; the data list shows the file's own text.
    EventMark event = EventMark::C;

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
