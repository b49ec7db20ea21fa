#include "common/FailingCommit.h"

#include "platform/FileCommit.h"

#include <utility>

namespace {
bool g_failNext = false;
}

void FailingCommit::failNext()
{
    g_failNext = true;
}

#ifdef Q_OS_UNIX

#include <QByteArray>

#include <cerrno>
#include <cstdio>

int FileCommit::rename(const QByteArray &temporary, const QByteArray &path)
{
    if (std::exchange(g_failNext, false))
        return EIO;
    return ::rename(temporary.constData(), path.constData()) == 0 ? 0 : errno;
}

#else

#include "platform/WindowsFiles.h"

#include <windows.h>

unsigned long FileCommit::rename(const QString &temporary, const QString &path)
{
    if (std::exchange(g_failNext, false))
        return ERROR_WRITE_FAULT;
    return WindowsFiles::replace(temporary, path);
}

#endif
