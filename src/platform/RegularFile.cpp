#include "platform/RegularFile.h"

#include "platform/UiText.h"

#include "platform/LocalBytes.h"

#include <QDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include "platform/WindowsFiles.h"
#endif

namespace {

constexpr UiText kLink{"RegularFile",
                       QT_TRANSLATE_NOOP("RegularFile", "it is a symbolic link, which the program does not follow")};
constexpr UiText kNotRegular{"RegularFile", QT_TRANSLATE_NOOP("RegularFile", "it is not an ordinary file")};

#ifdef Q_OS_UNIX
QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// O_NONBLOCK: opening a FIFO must not wait for a writer. It has no effect on
// the regular files that get past the check.
bool openNoFollow(QFile &file, const QString &path, int flags, QIODevice::OpenMode mode, QString *reason, bool *taken)
{
    const int fd = ::open(LocalBytes::encode(path).constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        if (taken)
            *taken = error == EEXIST;
        struct stat st;
        const bool link = ::lstat(LocalBytes::encode(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
        if (reason)
            *reason = link && error != EEXIST ? kLink : systemReason(error);
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (reason)
            *reason = kNotRegular;
        return false;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}
#endif

#ifdef Q_OS_WIN
bool openOnWindows(QFile &file, const QString &path, QIODevice::OpenMode mode, bool createNew, QString *reason,
                   bool *taken)
{
    const WindowsFiles::Opened opened = WindowsFiles::open(file, path, mode, createNew);
    if (taken)
        *taken = opened.taken;
    if (opened.kind == WindowsFiles::Kind::Regular)
        return true;
    if (reason) {
        *reason = opened.kind == WindowsFiles::Kind::Link    ? kLink
                  : opened.kind == WindowsFiles::Kind::Other ? kNotRegular
                                                             : opened.error;
    }
    return false;
}
#endif

} // namespace

namespace RegularFile {

bool exists(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return ::lstat(LocalBytes::encode(path).constData(), &st) == 0;
#else
    return WindowsFiles::kindAt(path) != WindowsFiles::Kind::Missing;
#endif
}

QString problem(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat st;
    if (::lstat(LocalBytes::encode(path).constData(), &st) != 0)
        return {};
    if (S_ISLNK(st.st_mode))
        return kLink;
    return S_ISREG(st.st_mode) ? QString() : kNotRegular;
#else
    switch (WindowsFiles::kindAt(path)) {
    case WindowsFiles::Kind::Link: return kLink;
    case WindowsFiles::Kind::Other: return kNotRegular;
    default: return {};
    }
#endif
}

bool open(QFile &file, const QString &path, QIODevice::OpenMode mode, QString *reason)
{
#ifdef Q_OS_UNIX
    const int flags = mode & QIODevice::Append ? O_WRONLY | O_APPEND : O_RDONLY;
    return openNoFollow(file, path, flags, mode, reason, nullptr);
#else
    return openOnWindows(file, path, mode, false, reason, nullptr);
#endif
}

bool createNew(QFile &file, const QString &path, QString *reason, bool *taken)
{
#ifdef Q_OS_UNIX
    // O_EXCL also refuses a dangling link at path.
    return openNoFollow(file, path, O_WRONLY | O_CREAT | O_EXCL, QIODevice::WriteOnly, reason, taken);
#else
    // Files take the folder's permissions: in the per-user folder the owner's
    // alone; in C:\ shared, as the older program's files always were.
    return openOnWindows(file, path, QIODevice::WriteOnly, true, reason, taken);
#endif
}

QStringList namesIn(const QString &dir)
{
    QStringList names;
#ifdef Q_OS_UNIX
    DIR *d = ::opendir(LocalBytes::encode(dir).constData());
    if (!d)
        return names;
    while (const dirent *entry = ::readdir(d)) {
        struct stat st;
        if (::fstatat(::dirfd(d), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            names << LocalBytes::decode(entry->d_name);
    }
    ::closedir(d);
#else
    names = QDir(dir).entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoSymLinks);
#endif
    return names;
}

bool remove(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::unlink(LocalBytes::encode(path).constData()) == 0;
#else
    return QFile::remove(path);
#endif
}

} // namespace RegularFile
