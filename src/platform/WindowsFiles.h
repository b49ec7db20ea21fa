#pragma once

#include <QFile>
#include <QString>

// Windows only: the program's files opened, compared and replaced through the
// system's own calls, so that a link is seen as a link and never followed. A
// link is a reparse point that names another place (a symbolic link or a
// junction); other reparse points (files a cloud service keeps on demand) are
// ordinary files.
namespace WindowsFiles {

enum class Kind { Missing, Regular, Link, Other };

// What is at path itself.
Kind kindAt(const QString &path);

struct Opened
{
    Kind kind = Kind::Missing; // Regular when file is open
    QString error;             // the system's reason when nothing could be opened
    bool taken = false;        // createNew: the name is already in use
};
// Opens an existing file for reading or appending, or creates a new one for
// writing (never replacing anything there), without following a link; a link,
// a folder or a device (CON, NUL, COM1) is closed again and reported as such.
Opened open(QFile &file, const QString &path, QIODevice::OpenMode mode, bool createNew);

// The volume's serial number and the file's index on it: the same for every
// spelling of a file (c:/, 8.3 short names, \\?\, a link to it, a second hard
// link); empty when nothing is there.
QString identity(const QString &path);

// Writes an open file's buffers to the disk: 0, else the error code.
unsigned long flushToDisk(QFile &file);
// Puts temporary in the place of path (not following a link there), on the
// disk before it returns: 0, else the error code.
unsigned long replace(const QString &temporary, const QString &path);
// Gives temporary the name path, which must be free: never replaces what took
// it (ERROR_ALREADY_EXISTS), on the disk before it returns: 0, else the error code.
unsigned long moveNew(const QString &temporary, const QString &path);

} // namespace WindowsFiles
