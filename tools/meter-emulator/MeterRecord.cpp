#include "meter-emulator/MeterRecord.h"

namespace {

QByteArray answer(char b0, char b1)
{
    const char bytes[] = {b0, b1, '\xAA'};
    return QByteArray(bytes, 3);
}

} // namespace

namespace RecordHalves {

QByteArray first(const MeterRecord &r)
{
    const auto b0 = char(r.glucose & 0xFF);
    const auto b1 = char(((r.glucose >> 8) & 0x03) | (r.event ? 0x04 : 0) | ((r.month & 0x0F) << 4));
    return answer(b0, b1);
}

QByteArray second(const MeterRecord &r)
{
    const auto b0 = char((r.minute & 0x3F) | ((r.hour & 0x03) << 6));
    const auto b1 = char(((r.hour >> 2) & 0x07) | ((r.day & 0x1F) << 3));
    return answer(b0, b1);
}

} // namespace RecordHalves
