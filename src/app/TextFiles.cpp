#include "app/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool g_failNextCommit = false;

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

QString describe(const QString &what, const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot %1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason);
}

} // namespace

namespace TextFiles {

bool exists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool read(const QString &path, QByteArray *content, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = describe(QStringLiteral("read"), path, f.errorString());
        return false;
    }
    *content = f.readAll();
    if (f.error() != QFile::NoError) {
        if (error)
            *error = describe(QStringLiteral("read"), path, f.errorString());
        return false;
    }
    return true;
}

bool writeAtomically(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = describe(QStringLiteral("write"), path, f.errorString());
        return false;
    }
    f.setPermissions(kOwnerOnly);
    if (f.write(content) != content.size()) {
        if (error)
            *error = describe(QStringLiteral("write"), path, f.errorString());
        f.cancelWriting();
        return false;
    }
    if (g_failNextCommit) {
        g_failNextCommit = false;
        f.cancelWriting();
    }
    if (!f.commit()) {
        if (error)
            *error = describe(QStringLiteral("write"), path, f.errorString());
        return false;
    }
    return true;
}

bool append(const QString &path, const QByteArray &content, QString *error)
{
    if (!exists(path))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = describe(QStringLiteral("append to"), path, f.errorString());
        return false;
    }
    const bool written = f.write(content) == content.size() && f.flush();
#ifdef Q_OS_UNIX
    const bool synced = written && ::fsync(f.handle()) == 0;
#else
    const bool synced = written;
#endif
    if (!synced) {
        if (error)
            *error = describe(QStringLiteral("append to"), path, f.errorString());
        return false;
    }
    return true;
}

QByteArray encodeLine(const QString &line)
{
    return line.toLocal8Bit() + "\r\n";
}

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace TextFiles

namespace TextFiles::testing {
void failNextCommit()
{
    g_failNextCommit = true;
}
} // namespace TextFiles::testing
