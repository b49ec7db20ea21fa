#include "platform/LargeBuffers.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include <cstdint>

namespace LargeBuffers {

void preferHugePages(const void *data, qsizetype bytes)
{
#ifdef Q_OS_LINUX
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + std::uintptr_t(bytes)) & ~(kHugePage - 1);
    // Refused where the system has no huge pages: the buffer is then as it was.
    if (bytes > 0 && last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

} // namespace LargeBuffers
