#include "platform/ConsoleOutput.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdio>

#include <windows.h>
#endif

namespace ConsoleOutput {

void attachToParent()
{
#ifdef Q_OS_WIN
    const auto unset = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE || GetFileType(h) == FILE_TYPE_UNKNOWN;
    };
    const bool out = unset(STD_OUTPUT_HANDLE), err = unset(STD_ERROR_HANDLE), in = unset(STD_INPUT_HANDLE);
    if (!(out || err || in) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    FILE *stream = nullptr;
    if (out)
        freopen_s(&stream, "CONOUT$", "w", stdout);
    if (err)
        freopen_s(&stream, "CONOUT$", "w", stderr);
    if (in)
        freopen_s(&stream, "CONIN$", "r", stdin);
#endif
}

} // namespace ConsoleOutput
