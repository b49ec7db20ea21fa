#include "platform/FileCommit.h"

#ifdef Q_OS_UNIX

#include <QByteArray>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

int FileCommit::rename(const QByteArray &temporary, const QByteArray &path)
{
    return ::rename(temporary.constData(), path.constData()) == 0 ? 0 : errno;
}

int FileCommit::link(const QByteArray &temporary, const QByteArray &path)
{
    return ::link(temporary.constData(), path.constData()) == 0 ? 0 : errno;
}

#else

#include "platform/WindowsFiles.h"

unsigned long FileCommit::rename(const QString &temporary, const QString &path)
{
    return WindowsFiles::replace(temporary, path);
}

unsigned long FileCommit::moveNew(const QString &temporary, const QString &path)
{
    return WindowsFiles::moveNew(temporary, path);
}

#endif
