#pragma once

#include <QByteArray>

// One reading as the meter stores it. The meter keeps no year; `year` is only
// known for generated records, so that a test can tell which year the program
// ought to infer.
struct MeterRecord
{
    int glucose = 0; // mg/dL, 0..1023
    int month = 0;   // 0..15 as the meter can hold it
    int day = 0;     // 0..31
    int hour = 0;    // 0..31
    int minute = 0;  // 0..63
    bool event = false;
    int year = 0;

    friend bool operator==(const MeterRecord &, const MeterRecord &) = default;
};

// The two answers the meter gives for a record, each ending with AA: glucose,
// event and month first; minute, hour and day second. Bits beyond a field's
// width are cut, as the meter's registers would.
namespace RecordHalves {
QByteArray first(const MeterRecord &r);
QByteArray second(const MeterRecord &r);
} // namespace RecordHalves
