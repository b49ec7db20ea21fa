#include "platform/WindowsFiles.h"

#include "platform/WindowsErrors.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace WindowsFiles {

namespace {

// The path as the system takes it. One that reaches the old limit of 260
// characters (a long ID in a deep folder) only in its long form: absolute,
// without "." or "..", behind "\\?\" ("\\?\UNC\server\share\..." for a
// network path).
std::wstring native(const QString &path)
{
    const QLatin1String longForm("\\\\?\\");
    QString p = QDir::toNativeSeparators(path);
    if (p.size() >= MAX_PATH - 12 && !p.startsWith(longForm)) {
        p = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
        p = p.startsWith(QLatin1String("\\\\")) ? QStringLiteral("\\\\?\\UNC") + p.mid(1) : QString(longForm) + p;
    }
    return p.toStdWString();
}

// What an opened handle is: a name surrogate (link, junction) is a link.
Kind kindOf(HANDLE h)
{
    if (GetFileType(h) != FILE_TYPE_DISK)
        return Kind::Other;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag))
        return Kind::Other;
    if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag.ReparseTag))
        return Kind::Link;
    if (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return Kind::Other;
    return Kind::Regular;
}

HANDLE openHandle(const QString &path, DWORD access, DWORD disposition, DWORD flags)
{
    return CreateFileW(native(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, flags, nullptr);
}

unsigned long move(const QString &from, const QString &to, DWORD flags)
{
    return MoveFileExW(native(from).c_str(), native(to).c_str(), flags) ? 0 : GetLastError();
}

} // namespace

Kind kindAt(const QString &path)
{
    HANDLE h = openHandle(path, FILE_READ_ATTRIBUTES, OPEN_EXISTING,
                          FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Kind::Missing : Kind::Other;
    }
    const Kind kind = kindOf(h);
    CloseHandle(h);
    return kind;
}

Opened open(QFile &file, const QString &path, QIODevice::OpenMode mode, bool createNew)
{
    const bool append = mode & QIODevice::Append;
    const DWORD access = createNew ? GENERIC_WRITE
                         : append  ? FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE
                                   : GENERIC_READ;
    // A name surrogate is opened itself, to be refused; anything else as a file.
    const DWORD disposition = createNew ? CREATE_NEW : OPEN_EXISTING;
    HANDLE h = openHandle(path, access, disposition, FILE_FLAG_OPEN_REPARSE_POINT);
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (h != INVALID_HANDLE_VALUE && !createNew
        && GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag)
        && (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && !IsReparseTagNameSurrogate(tag.ReparseTag)) {
        CloseHandle(h);
        h = openHandle(path, access, disposition, 0);
    }
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        Opened out;
        out.taken = createNew && (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS);
        out.kind = !createNew && error == ERROR_ACCESS_DENIED && kindAt(path) == Kind::Other ? Kind::Other
                                                                                             : Kind::Missing;
        if (out.kind == Kind::Missing)
            out.error = WindowsErrors::text(error);
        return out;
    }
    if (const Kind kind = kindOf(h); kind != Kind::Regular) {
        CloseHandle(h);
        return {kind, {}, false};
    }
    const int flags = _O_BINARY | _O_NOINHERIT | (createNew ? _O_WRONLY : append ? _O_WRONLY | _O_APPEND : _O_RDONLY);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
    if (fd < 0) {
        CloseHandle(h);
        return {Kind::Missing, QStringLiteral("too many open files"), false};
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        _close(fd);
        return {Kind::Missing, file.errorString(), false};
    }
    return {Kind::Regular, {}, false};
}

QString identity(const QString &path)
{
    // Followed like any open: a link to a file is that file.
    HANDLE h = openHandle(path, FILE_READ_ATTRIBUTES, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!known)
        return {};
    const quint64 index = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return QStringLiteral("%1:%2").arg(quint64(info.dwVolumeSerialNumber)).arg(index);
}

unsigned long flushToDisk(QFile &file)
{
    if (!file.flush())
        return ERROR_WRITE_FAULT;
    const auto h = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) ? 0 : GetLastError();
}

unsigned long replace(const QString &temporary, const QString &path)
{
    return move(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

unsigned long moveNew(const QString &temporary, const QString &path)
{
    return move(temporary, path, MOVEFILE_WRITE_THROUGH);
}

} // namespace WindowsFiles
