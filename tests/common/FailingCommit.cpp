#include "common/FailingCommit.h"

#include "platform/FileCommit.h"

#include <utility>

namespace {
int g_error = 0;
int g_commitsBefore = 0;

// The error for this commit: 0 to let it through.
int nextCommit()
{
    if (g_error == 0 || g_commitsBefore-- > 0)
        return 0;
    return std::exchange(g_error, 0);
}
} // namespace

void FailingCommit::failNext(int error, int commitsBefore)
{
    g_error = error;
    g_commitsBefore = commitsBefore;
}

#ifdef Q_OS_UNIX

#include <QByteArray>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

int FileCommit::rename(const QByteArray &temporary, const QByteArray &path)
{
    const int error = nextCommit();
    return error ? error : ::rename(temporary.constData(), path.constData()) == 0 ? 0 : errno;
}

int FileCommit::link(const QByteArray &temporary, const QByteArray &path)
{
    const int error = nextCommit();
    return error ? error : ::link(temporary.constData(), path.constData()) == 0 ? 0 : errno;
}

#else

#include "platform/WindowsFiles.h"

unsigned long FileCommit::rename(const QString &temporary, const QString &path)
{
    const unsigned long error = nextCommit();
    return error ? error : WindowsFiles::replace(temporary, path);
}

unsigned long FileCommit::moveNew(const QString &temporary, const QString &path)
{
    const unsigned long error = nextCommit();
    return error ? error : WindowsFiles::moveNew(temporary, path);
}

#endif
