// Any bytes as a user's reading file: reading them must not crash, and a
// file the program rewrote must read back to the same readings, so a second
// rewrite changes nothing.

#include "store/ReadingFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const ReadingFile::LoadResult loaded = ReadingFile::parse(content);
    const QByteArray rewritten = ReadingFile::format(loaded.tables);
    const ReadingFile::LoadResult again = ReadingFile::parse(rewritten);
    if (again.skippedLines != 0 || ReadingFile::format(again.tables) != rewritten)
        std::abort();
    return 0;
}
