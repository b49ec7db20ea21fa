#include "platform/WindowsErrors.h"

#include <windows.h>

#ifndef ERROR_DISK_QUOTA_EXCEEDED
#define ERROR_DISK_QUOTA_EXCEEDED 1295L // not in every SDK's headers
#endif

namespace WindowsErrors {

QString text(unsigned long error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return QStringLiteral("no space left on the disk");
    case ERROR_FILE_TOO_LARGE: return QStringLiteral("file too large for the disk or for the limit the system sets");
    case ERROR_DISK_QUOTA_EXCEEDED: return QStringLiteral("the disk space allowed to you is used up");
    default: break;
    }
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString out = length ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    LocalFree(buffer);
    if (out.endsWith(QLatin1Char('.')))
        out.chop(1);
    return out.isEmpty() ? QStringLiteral("system error %1").arg(error) : out;
}

} // namespace WindowsErrors
