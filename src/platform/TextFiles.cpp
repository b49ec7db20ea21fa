#include "platform/TextFiles.h"

#include "platform/FileCommit.h"
#include "platform/LargeBuffers.h"
#include "platform/LocalBytes.h"
#include "platform/RegularFile.h"
#include "platform/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include "platform/WindowsErrors.h"
#include "platform/WindowsFiles.h"

#include <QRandomGenerator>
#endif

namespace {

QString describe(const QString &what, const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot %1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason);
}

bool fail(QString *error, const QString &what, const QString &path, const QString &reason)
{
    if (error)
        *error = describe(what, path, reason);
    return false;
}

#ifdef Q_OS_WIN
// The six letters or digits of a temporary file's name.
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
#endif

#ifdef Q_OS_UNIX
// The system's words, except where plainer ones say what to do about it.
QString systemReason(int error = errno)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("no space left on the disk");
    case EFBIG: return QStringLiteral("file too large for the disk or for the limit the system sets");
    case EDQUOT: return QStringLiteral("the disk space allowed to you is used up");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}
#endif

// Writes and syncs: only then is the content on the disk. On POSIX straight to
// the file, so that a failure keeps the system's reason.
bool writeAll(QFile &f, const QByteArray &content, QString *reason)
{
#ifdef Q_OS_UNIX
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t n = ::write(f.handle(), content.constData() + done, size_t(content.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *reason = systemReason(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += n;
    }
    if (::fsync(f.handle()) != 0) {
        *reason = systemReason();
        return false;
    }
#else
    if (f.write(content) != content.size()) {
        *reason = f.errorString();
        return false;
    }
    if (const unsigned long e = WindowsFiles::flushToDisk(f)) {
        *reason = WindowsErrors::text(e);
        return false;
    }
#endif
    return true;
}

} // namespace

namespace TextFiles {

bool exists(const QString &path)
{
    return RegularFile::exists(path);
}

bool read(const QString &path, QByteArray *content, QString *error)
{
    QFile f;
    QString reason;
    if (!RegularFile::open(f, path, QIODevice::ReadOnly, &reason))
        return fail(error, QStringLiteral("read"), path, reason);
    // Read into a buffer of the file's size, which a reading file of years
    // makes megabytes (see LargeBuffers); a file that grew meanwhile is read whole.
    QByteArray bytes;
    LargeBuffers::reserve(bytes, qsizetype(f.size()));
    bytes.resize(bytes.capacity());
    const qint64 got = f.read(bytes.data(), bytes.size());
    bytes.resize(qMax(got, qint64(0)));
    if (got >= 0 && f.error() == QFile::NoError)
        bytes += f.readAll();
    *content = std::move(bytes);
    if (f.error() != QFile::NoError)
        return fail(error, QStringLiteral("read"), path, f.errorString());
    return true;
}

bool writeAtomically(const QString &path, const QByteArray &content, QString *error)
{
    const QString write = QStringLiteral("write");
    if (const QString why = RegularFile::problem(path); !why.isEmpty())
        return fail(error, write, path, why);
    QString reason;
#ifdef Q_OS_UNIX
    // Not QSaveFile: it writes through a link to the link's target. rename()
    // replaces the name itself, so even a link swapped in meanwhile is only
    // replaced, never followed.
    QTemporaryFile temp(TemporaryFiles::templateFor(path));
    if (!temp.open())
        return fail(error, write, path, temp.errorString());
    if (!writeAll(temp, content, &reason))
        return fail(error, write, path, reason);
    if (const int e = FileCommit::rename(QFile::encodeName(temp.fileName()), LocalBytes::encode(path)))
        return fail(error, write, path, systemReason(e));
    temp.setAutoRemove(false);
    return true;
#else
    // Not QTemporaryFile: it keeps its file open until it is destroyed, and an
    // open file cannot be moved. MoveFileEx() replaces the name itself, a link
    // there included.
    QFile temp;
    QString tempPath = TemporaryFiles::templateFor(path);
    const qsizetype random = tempPath.lastIndexOf(QLatin1String("XXXXXX"));
    bool taken = true;
    for (int tries = 0; taken && tries < 100; ++tries) {
        for (qsizetype i = random; i < random + 6; ++i)
            tempPath[i] = QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
        if (!RegularFile::createNew(temp, tempPath, &reason, &taken) && !taken)
            return fail(error, write, path, reason);
    }
    if (taken)
        return fail(error, write, path, reason);
    const bool written = writeAll(temp, content, &reason);
    temp.close();
    unsigned long e = 0;
    if (written && (e = FileCommit::rename(tempPath, path)) == 0)
        return true;
    QFile::remove(tempPath);
    return fail(error, write, path, written ? WindowsErrors::text(e) : reason);
#endif
}

bool writeNew(const QString &path, const QByteArray &content, QString *error, bool *taken)
{
    QFile f;
    QString reason;
    if (!RegularFile::createNew(f, path, &reason, taken))
        return fail(error, QStringLiteral("write"), path, reason);
    if (!writeAll(f, content, &reason)) {
        f.remove();
        return fail(error, QStringLiteral("write"), path, reason);
    }
    return true;
}

bool append(const QString &path, const QByteArray &content, QString *error)
{
    if (!exists(path))
        return false;
    QFile f;
    QString reason;
    if (!RegularFile::open(f, path, QIODevice::WriteOnly | QIODevice::Append, &reason)
        || !writeAll(f, content, &reason))
        return fail(error, QStringLiteral("append to"), path, reason);
    return true;
}

void keepOwnerOnly(const QString &path)
{
#ifdef Q_OS_UNIX
    QFile f;
    struct stat st;
    if (RegularFile::open(f, path, QIODevice::ReadOnly, nullptr) && ::fstat(f.handle(), &st) == 0
        && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        ::fchmod(f.handle(), st.st_mode & S_IRWXU);
#else
    Q_UNUSED(path);
#endif
}

QByteArray encodeLine(const QString &line)
{
    return line.toLocal8Bit() + "\r\n";
}

bool LineSplitter::next(QByteArrayView *line)
{
    const qsizetype size = m_content.size();
    if (m_pos >= size)
        return false;
    const char *data = m_content.data();
    if (m_nextLf < m_pos) {
        const void *lf = std::memchr(data + m_pos, '\n', size_t(size - m_pos));
        m_nextLf = lf ? static_cast<const char *>(lf) - data : size;
    }
    qsizetype end = m_nextLf;
    qsizetype next = end + 1;
    if (const void *cr = std::memchr(data + m_pos, '\r', size_t(end - m_pos))) {
        end = static_cast<const char *>(cr) - data;
        next = end + 1 == m_nextLf ? end + 2 : end + 1;
    }
    *line = QByteArrayView(data + m_pos, end - m_pos);
    m_pos = next;
    return true;
}

} // namespace TextFiles
