#include "meter/RecordCodec.h"

namespace RecordCodec {

void decodeFirstHalf(quint8 b0, quint8 b1, Reading &into)
{
    into.glucose = (b1 & 0x03) * 256 + b0;
    into.month = (b1 & 0xF0) >> 4;
    into.event = (b1 & 0x04) ? EventMark::PC : EventMark::C;
}

void decodeSecondHalf(quint8 b0, quint8 b1, Reading &into)
{
    into.day = (b1 & 0xF8) >> 3;
    into.hour = ((b0 & 0xC0) >> 6) + (b1 & 0x07) * 4;
    into.minute = b0 & 0x3F;
}

} // namespace RecordCodec
