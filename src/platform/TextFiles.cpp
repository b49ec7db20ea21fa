#include "platform/TextFiles.h"

#include "platform/FileCommit.h"
#include "platform/LargeBuffers.h"
#include "platform/LocalBytes.h"
#include "platform/RegularFile.h"
#include "platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include "platform/WindowsErrors.h"
#include "platform/WindowsFiles.h"

#include <QRandomGenerator>

#include <windows.h>
#endif

namespace {

QString describe(const QString &what, const QString &path, const QString &reason)
{
    return QCoreApplication::translate("TextFiles", "Cannot %1 %2: %3")
        .arg(what, QDir::toNativeSeparators(path), reason);
}

bool fail(QString *error, const QString &what, const QString &path, const QString &reason)
{
    if (error)
        *error = describe(what, path, reason);
    return false;
}

#ifdef Q_OS_UNIX
// The system's words, except where plainer ones say what to do about it.
QString systemReason(int error = errno)
{
    switch (error) {
    case ENOSPC: return QCoreApplication::translate("TextFiles", "no space left on the disk");
    case EFBIG:
        return QCoreApplication::translate("TextFiles", "file too large for the disk or for the limit the system sets");
    case EDQUOT: return QCoreApplication::translate("TextFiles", "the disk space allowed to you is used up");
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QByteArray nativeName(const QString &path)
{
    return LocalBytes::encode(path);
}
#else
QString systemReason(unsigned long error)
{
    return WindowsErrors::text(error);
}

QString nativeName(const QString &path)
{
    return path;
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

#ifdef Q_OS_UNIX
// A temporary file beside path for a rewrite, owner-only, named by the path's
// own bytes (an ID of another encoding keeps them, where QTemporaryFile would
// change them) and removed unless it took the path's name.
class Temporary
{
public:
    explicit Temporary(const QString &path)
        : m_name(LocalBytes::encode(TemporaryFiles::templateFor(path)))
    {
        const int fd = ::mkostemps(m_name.data(), int(sizeof TemporaryFiles::kEnding) - 1, O_CLOEXEC);
        m_error = fd < 0 ? errno : 0;
        if (fd >= 0 && !m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            ::unlink(m_name.constData());
            m_error = EIO;
        }
    }
    ~Temporary()
    {
        m_file.close();
        if (m_error == 0 && !m_placed)
            ::unlink(m_name.constData());
    }
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;

    // Writes content and syncs it; false with the system's reason, also when
    // the file could not be made.
    bool fill(const QByteArray &content, QString *reason)
    {
        if (m_error != 0)
            *reason = systemReason(m_error);
        return m_error == 0 && writeAll(m_file, content, reason);
    }
    const QByteArray &name() const { return m_name; }
    // It was renamed to the path: nothing to remove.
    void placed() { m_placed = true; }

private:
    QByteArray m_name;
    QFile m_file;
    int m_error = 0;
    bool m_placed = false;
};
#else
// The same on Windows, where the name is a free one of six random letters or
// digits: the file is made new, never over anything there. It is closed once
// filled, as an open file cannot be moved, and removed by its name (a file
// opened by its handle has none to remove it by).
class Temporary
{
public:
    explicit Temporary(const QString &path)
        : m_name(TemporaryFiles::templateFor(path))
    {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        const qsizetype random = m_name.lastIndexOf(QLatin1String("XXXXXX"));
        bool taken = true;
        for (int tries = 0; taken && !m_made && tries < 100; ++tries) {
            for (qsizetype i = random; i < random + 6; ++i)
                m_name[i] = QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
            m_made = RegularFile::createNew(m_file, m_name, &m_error, &taken);
        }
    }
    ~Temporary()
    {
        m_file.close();
        if (m_made && !m_placed)
            RegularFile::remove(m_name);
    }
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;

    bool fill(const QByteArray &content, QString *reason)
    {
        if (!m_made)
            *reason = m_error;
        const bool written = m_made && writeAll(m_file, content, reason);
        m_file.close();
        return written;
    }
    const QString &name() const { return m_name; }
    void placed() { m_placed = true; }

private:
    QString m_name;
    QFile m_file;
    QString m_error;
    bool m_made = false;
    bool m_placed = false;
};
#endif

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
        return fail(error, QCoreApplication::translate("TextFiles", "read"), path, reason);
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
        return fail(error, QCoreApplication::translate("TextFiles", "read"), path, f.errorString());
    return true;
}

bool writeAtomically(const QString &path, const QByteArray &content, QString *error)
{
    const QString write = QCoreApplication::translate("TextFiles", "write");
    if (const QString why = RegularFile::problem(path); !why.isEmpty())
        return fail(error, write, path, why);
    QString reason;
    // Not QSaveFile: it writes through a link to the link's target. rename()
    // and MoveFileEx() replace the name itself, so even a link swapped in
    // meanwhile is only replaced, never followed.
    Temporary temp(path);
    if (!temp.fill(content, &reason))
        return fail(error, write, path, reason);
    if (const auto e = FileCommit::rename(temp.name(), nativeName(path)))
        return fail(error, write, path, systemReason(e));
    temp.placed();
    return true;
}

bool writeNew(const QString &path, const QByteArray &content, QString *error, bool *taken)
{
    const QString write = QCoreApplication::translate("TextFiles", "write");
    const bool inUse = RegularFile::exists(path);
    if (taken)
        *taken = inUse;
    if (inUse)
        return fail(error, write, path, QCoreApplication::translate("TextFiles", "the name is taken"));
    QString reason;
    // The temporary file goes with this object, also after a failure.
    Temporary temp(path);
    if (!temp.fill(content, &reason))
        return fail(error, write, path, reason);
#ifdef Q_OS_UNIX
    // link() never replaces what took the name meanwhile, nor follows it.
    int e = FileCommit::link(temp.name(), LocalBytes::encode(path));
    // A file system without hard links (FAT): the name was free a moment ago.
    if ((e == EPERM || e == EOPNOTSUPP || e == ENOSYS) && !RegularFile::exists(path)) {
        e = FileCommit::rename(temp.name(), LocalBytes::encode(path));
        if (e == 0)
            temp.placed();
    }
    if (taken)
        *taken = e == EEXIST;
#else
    // Never replaces what took the name meanwhile, nor follows it.
    const unsigned long e = FileCommit::moveNew(temp.name(), path);
    if (e == 0)
        temp.placed();
    if (taken)
        *taken = e == ERROR_ALREADY_EXISTS || e == ERROR_FILE_EXISTS;
#endif
    if (e != 0)
        return fail(error, write, path, systemReason(e));
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
        return fail(error, QCoreApplication::translate("TextFiles", "append to"), path, reason);
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
    m_lineEnd = end;
    m_pos = next;
    return true;
}

} // namespace TextFiles
