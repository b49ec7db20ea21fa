#pragma once

#include "store/Reading.h"

#include <QtGlobal>

// The meter sends each stored record as two answers b0 b1 AA. The first half
// carries glucose, month and the event mark, the second half day, hour and
// minute; there is no year. Values are unpacked as sent, without range checks:
// a meter that reports month 15 or minute 63 gets it stored that way.
namespace RecordCodec {

// Glucose = (b1 & 03h) * 256 + b0, month = b1 bits 4-7, event = b1 bit 2.
// Bit 3 of b1 carries nothing. The event is PC (mark set) or C.
void decodeFirstHalf(quint8 b0, quint8 b1, Reading &into);

// Day = b1 bits 3-7, hour = b0 bits 6-7 plus b1 bits 0-2 times 4,
// minute = b0 bits 0-5.
void decodeSecondHalf(quint8 b0, quint8 b1, Reading &into);

} // namespace RecordCodec
