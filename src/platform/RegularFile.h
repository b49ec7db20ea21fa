#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

// Opening the program's files so that whatever else is put in their place is
// refused rather than followed: a symbolic link (which would read or overwrite
// a file outside the data folder), a FIFO (which would hang the read) or a
// device (which could be read until memory runs out). The checks are made on
// the opened file itself, so nothing can be swapped in between the check and
// the use. On Windows a link is a symbolic link or a junction, and a device is
// also one of the names the system keeps for them (NUL, COM1.txt).
namespace RegularFile {

// Something, even a dangling link, is at path.
bool exists(const QString &path);
// Empty when path holds a regular file or nothing at all; otherwise why the
// program will not use it, to follow "Cannot read <file>: ".
QString problem(const QString &path);

// Opens an existing regular file for reading or for appending.
bool open(QFile &file, const QString &path, QIODevice::OpenMode mode, QString *reason);
// Creates path for writing (owner-only on POSIX), never replacing anything already there;
// *taken tells a name already in use from other failures.
bool createNew(QFile &file, const QString &path, QString *reason, bool *taken = nullptr);

// The names of the ordinary files in dir (no links), each as the user's ID
// that names it holds it: bytes not valid in the local encoding are kept (see
// LocalBytes), where Qt's own listing turns them into others.
QStringList namesIn(const QString &dir);
// Removes the file whose name holds such bytes, too.
bool remove(const QString &path);

} // namespace RegularFile
