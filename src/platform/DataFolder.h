#pragma once

#include <QString>

#include <functional>

// Where the registry file and the reading files live. A command-line folder wins,
// then DEXTREL_DATA_DIR, then the platform's own folder (C:\ on Windows, the
// per-user application data folder elsewhere).
namespace DataFolder {

// note, when given, receives a message the user should read once (see
// chooseOnWindows); empty otherwise.
QString resolve(const QString &fromCommandLine, QString *note = nullptr);

// On Windows the files stay in C:\ where the older program kept them, when it
// holds DXRegister.txt or accepts a new file. An ordinary user of current
// Windows may not create files there: then the per-user folder is used, with a
// note saying where the data lives on the first start there (no registry yet).
struct Choice
{
    QString dir;
    QString note;
};
using FileCheck = std::function<bool(const QString &path)>;
Choice chooseOnWindows(const QString &root, const QString &perUser, const FileCheck &exists,
                       const FileCheck &acceptsNewFile);

// Creates the folder when missing: owner-only on POSIX, and folders made on the
// way to it writable by their owner alone, whatever the umask. False when it cannot.
bool ensureExists(const QString &dir, QString *error);
// A warning when other users can write in the folder (they could put a link or
// a file of their own in place of the user's files); empty otherwise.
QString openToOthersWarning(const QString &dir);

QString registryPath(const QString &dir);
// The reading file of a user. The ID must have passed the user-ID checks first.
QString readingFilePath(const QString &dir, const QString &userId);

} // namespace DataFolder
