// Any bytes as the program's settings file: reading it must not crash, and what
// it made sense of is written back so that it reads the same.

#include "platform/DeviceChoices.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DeviceChoices read;
    QString why;
    if (!read.parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &why))
        return 0;
    DeviceChoices again;
    if (!again.parse(read.format(), &why) || again.format() != read.format())
        std::abort();
    return 0;
}
